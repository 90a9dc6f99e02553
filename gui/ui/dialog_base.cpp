#include "gui/ui/dialog_base.h"

#include <wx/sizer.h>

#include "gui/ui/artwork.h"
#include "gui/ui/help_book.h"
#include "gui/ui/skin.h"

namespace vk {

CDialogBase::CDialogBase(wxWindow* parent, int id, const wxString& title, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style),
      helpTopic_(HelpTopicOfDialog(id)) {
    SetIcons(art::ProgramIcons());
    skin::Apply(this);
    Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_F1 && event.GetModifiers() == wxMOD_NONE)
            ShowCurrentHelp();
        else
            event.Skip();
    });
}

CDialogBase::~CDialogBase() {
    LeaveHelpTopic();
}

void CDialogBase::EndWith(int code) {
    SetReturnCode(code);
    if (IsModal())
        EndModal(code);
    else
        Hide();
}

int CDialogBase::ShowModal() {
    skin::Apply(this);
    EnterHelpTopic();
    const int result = wxDialog::ShowModal();
    LeaveHelpTopic();
    return result;
}

bool CDialogBase::Show(bool show) {
    if (show) {
        skin::Apply(this);
        EnterHelpTopic();
    } else if (!IsModal()) {
        LeaveHelpTopic();
    }
    return wxDialog::Show(show);
}

void CDialogBase::SetHelpTopic(int topic) {
    helpTopic_ = topic;
    if (helpScope_) HelpContext().Set(topic);
}

void CDialogBase::EnterHelpTopic() {
    if (!helpScope_) helpScope_ = std::make_unique<CHelpContext::Scope>(HelpContext(), helpTopic_);
}

void CDialogBase::LeaveHelpTopic() {
    helpScope_.reset();
}

wxStdDialogButtonSizer* CDialogBase::MakeButtons(long flags) {
    return CreateStdDialogButtonSizer(flags);
}

void CDialogBase::LayOut(wxSizer* content, wxSizer* buttons) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(content, 1, wxEXPAND | wxALL, Padding());
    if (buttons) column->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    SetSizerAndFit(column);
    skin::Apply(this);
    CentreOnParent();
}

}  // namespace vk
