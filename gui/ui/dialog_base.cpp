#include "gui/ui/dialog_base.h"

#include <wx/sizer.h>

#include "gui/ui/artwork.h"

namespace vk {

CDialogBase::CDialogBase(wxWindow* parent, int id, const wxString& title, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style) {
    SetIcons(art::ProgramIcons());
}

void CDialogBase::EndWith(int code) {
    SetReturnCode(code);
    if (IsModal())
        EndModal(code);
    else
        Hide();
}

wxStdDialogButtonSizer* CDialogBase::MakeButtons(long flags) {
    return CreateStdDialogButtonSizer(flags);
}

void CDialogBase::LayOut(wxSizer* content, wxSizer* buttons) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(content, 1, wxEXPAND | wxALL, Padding());
    if (buttons) column->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    SetSizerAndFit(column);
    CentreOnParent();
}

}  // namespace vk
