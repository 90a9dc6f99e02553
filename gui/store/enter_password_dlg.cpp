#include "gui/store/enter_password_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/shell/messages.h"
#include "core/store/password_check.h"
#include "core/store/password_dialog_messages.h"
#include "gui/store/password_dialog_ids.h"
#include "gui/store/secret_edit.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {

CEnterPasswordDlg::CEnterPasswordDlg(wxWindow* parent, const PasswordRequest& request)
    : CDialogBase(parent, 216, msg::kEnterPasswordTitle), entry_(request) {
    SetTitle(ToWx(entry_.Title()));

    const wxIcon icon = entry_.LockMode() ? art::LockIcon(32) : art::ProgramIcon(32);
    auto* picture = new wxStaticBitmap(this, dlgid::kIcon, wxBitmap(icon));

    auto* prompt = new wxStaticText(this, dlgid::kPromptText, ToWx(entry_.PromptText()));
    prompt->Wrap(FromDIP(440));
    passwordEdit_ = new wxTextCtrl(this, dlgid::kPasswordEdit, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize, wxTE_PASSWORD | wxTE_PROCESS_ENTER);
    auto* reminder = new wxStaticText(this, dlgid::kReminderText, ToWx(entry_.Reminder()),
                                      wxDefaultPosition, wxDefaultSize, wxST_ELLIPSIZE_END);
    // Sized for its text now, then emptied: the line keeps its room for later failures.
    status_ = new wxStaticText(this, dlgid::kStatusText, msg::kIncorrectPassword, wxDefaultPosition,
                               wxDefaultSize, wxST_NO_AUTORESIZE);
    status_->SetForegroundColour(wxColour(255, 0, 0));

    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(prompt, 0, wxBOTTOM, Padding());
    texts->Add(passwordEdit_, 0, wxEXPAND | wxBOTTOM, Gap());
    texts->Add(reminder, 0, wxEXPAND | wxBOTTOM, Gap());
    texts->Add(status_, 0, wxEXPAND);

    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(picture, 0, wxALIGN_TOP | wxRIGHT, Padding());
    content->Add(texts, 1, wxEXPAND);

    browse_ = new wxButton(this, dlgid::kBrowseButton, msg::kBrowseButton);
    browse_->Enable(entry_.BrowseEnabled());
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(browse_, 0, wxALIGN_CENTER_VERTICAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButtons(wxOK | wxCANCEL), 0, wxALIGN_CENTER_VERTICAL);

    // Wide enough for a long password even when the prompt is short.
    passwordEdit_->SetMinSize(wxSize(FromDIP(280), -1));
    LayOut(content, buttons);
    status_->SetLabel(wxEmptyString);
    passwordEdit_->SetFocus();

    Bind(wxEVT_BUTTON, &CEnterPasswordDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CEnterPasswordDlg::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CEnterPasswordDlg::OnBrowse, this, dlgid::kBrowseButton);
    Bind(wxEVT_TEXT_ENTER, &CEnterPasswordDlg::OnOk, this, dlgid::kPasswordEdit);
    Bind(wxEVT_TEXT, &CEnterPasswordDlg::OnPasswordText, this, dlgid::kPasswordEdit);
}

CEnterPasswordDlg::~CEnterPasswordDlg() {
    passwordEdit_->ChangeValue(wxEmptyString);
}

void CEnterPasswordDlg::OnOk(wxCommandEvent&) {
    const SecretString typed = SecretFromEdit(*passwordEdit_);
    const auto outcome = entry_.Submit(typed.view(), prompt_);
    if (outcome) {
        Finish(static_cast<int>(*outcome));
        return;
    }
    status_->SetLabel(ToWx(entry_.StatusText()));
    passwordEdit_->SetFocus();
    // Showing a position moves the caret there, which would drop a selection made before.
    passwordEdit_->ShowPosition(passwordEdit_->GetLastPosition());
    passwordEdit_->SelectAll();
}

void CEnterPasswordDlg::OnCancel(wxCommandEvent&) {
    Finish(kEndCancelled);
}

void CEnterPasswordDlg::OnBrowse(wxCommandEvent&) {
    if (!entry_.BrowseEnabled()) return;
    std::string path = entry_.FilePath();
    if (pickFile_(PasswordFilePicker::kOpen, path, this, "") != wxID_OK) return;
    newPath_ = path;
    Finish(kEndBrowse);
}

void CEnterPasswordDlg::OnPasswordText(wxCommandEvent&) {
    CutEditToBytes(*passwordEdit_, kMaxMasterPasswordBytes);
    entry_.PasswordEdited();
    status_->SetLabel(wxEmptyString);
}

void CEnterPasswordDlg::Finish(int code) {
    // The typed text is not needed any more; the accepted one is kept by the entry.
    passwordEdit_->ChangeValue(wxEmptyString);
    EndWith(code);
}

}  // namespace vk
