#include "gui/store/select_password_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "core/store/password_check.h"
#include "core/store/password_dialog_messages.h"
#include "gui/store/password_dialog_ids.h"
#include "gui/store/secret_edit.h"
#include "gui/ui/artwork.h"
#include "gui/ui/message_box.h"
#include "gui/ui/wx_text.h"
#include "platform/posix_file_system.h"

namespace vk {

CSelectPasswordDlg::CSelectPasswordDlg(wxWindow* parent, const SelectPasswordRequest& request,
                                       bool firstStart, const std::string& programFolder,
                                       IFileSystem& fs)
    : CDialogBase(parent, 179, msg::kSelectPasswordTitle),
      choice_(request, firstStart, programFolder),
      programFolder_(programFolder),
      fs_(fs) {
    auto* picture = new wxStaticBitmap(this, dlgid::kKeyPicture, art::KeyPicture());

    fileName_ = new wxTextCtrl(this, dlgid::kFileNameEdit);
    fileName_->SetMinSize(wxSize(FromDIP(260), -1));
    pickNew_ = new wxButton(this, dlgid::kBrowseButton, msg::kPickNewFileButton, wxDefaultPosition,
                            wxDefaultSize, wxBU_EXACTFIT);
    pickNew_->SetMinSize(wxSize(FromDIP(32), -1));
    openExisting_ = new wxButton(this, dlgid::kOpenExistingButton, msg::kOpenExistingButton);
    protection_ = new wxCheckBox(this, dlgid::kEnableProtection, msg::kEnableProtection);
    password_ = new wxTextCtrl(this, dlgid::kPasswordEdit, wxEmptyString, wxDefaultPosition,
                               wxDefaultSize, wxTE_PASSWORD);
    confirmation_ = new wxTextCtrl(this, dlgid::kConfirmationEdit, wxEmptyString, wxDefaultPosition,
                                   wxDefaultSize, wxTE_PASSWORD);
    reminder_ = new wxTextCtrl(this, dlgid::kReminderEdit);
    defaultFolders_ =
        new wxCheckBox(this, dlgid::kCreateDefaultFolders, msg::kCreateDefaultFolders);

    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(fileName_, 1, wxALIGN_CENTER_VERTICAL);
    fileRow->Add(pickNew_, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, Gap());
    fileRow->Add(openExisting_, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, Gap());

    auto* grid = new wxFlexGridSizer(2, Gap(), Padding());
    grid->AddGrowableCol(1);
    const auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, text); };
    grid->Add(label(msg::kFileNameLabel), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(fileRow, 1, wxEXPAND);
    grid->AddSpacer(0);
    grid->Add(protection_, 0, wxTOP | wxBOTTOM, Gap());
    grid->Add(label(msg::kPasswordLabel), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(password_, 1, wxEXPAND);
    grid->Add(label(msg::kConfirmationLabel), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(confirmation_, 1, wxEXPAND);
    grid->Add(label(msg::kReminderLabel), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(reminder_, 1, wxEXPAND);
    grid->AddSpacer(0);
    grid->Add(defaultFolders_, 0, wxTOP, Gap());

    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(picture, 0, wxALIGN_TOP | wxRIGHT, Padding());
    content->Add(grid, 1, wxEXPAND);
    LayOut(content, MakeButtons(wxOK | wxCANCEL));

    Fill();

    Bind(wxEVT_INIT_DIALOG, &CSelectPasswordDlg::OnInitDialog, this);
    Bind(wxEVT_TEXT, &CSelectPasswordDlg::OnFileNameText, this, dlgid::kFileNameEdit);
    Bind(wxEVT_TEXT, &CSelectPasswordDlg::OnSecretText, this, dlgid::kPasswordEdit);
    Bind(wxEVT_TEXT, &CSelectPasswordDlg::OnSecretText, this, dlgid::kConfirmationEdit);
    Bind(wxEVT_TEXT, &CSelectPasswordDlg::OnSecretText, this, dlgid::kReminderEdit);
    Bind(wxEVT_CHECKBOX, &CSelectPasswordDlg::OnProtection, this, dlgid::kEnableProtection);
    Bind(wxEVT_BUTTON, &CSelectPasswordDlg::OnPickNew, this, dlgid::kBrowseButton);
    Bind(wxEVT_BUTTON, &CSelectPasswordDlg::OnOpenExisting, this, dlgid::kOpenExistingButton);
    Bind(wxEVT_BUTTON, &CSelectPasswordDlg::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CSelectPasswordDlg::OnCancel, this, wxID_CANCEL);
}

CSelectPasswordDlg::~CSelectPasswordDlg() {
    password_->ChangeValue(wxEmptyString);
    confirmation_->ChangeValue(wxEmptyString);
}

wxButton* CSelectPasswordDlg::OkButton() const {
    return wxDynamicCast(FindWindow(wxID_OK), wxButton);
}

void CSelectPasswordDlg::Fill() {
    SetTitle(ToWx(choice_.Title()));
    const PasswordChoiceFields& initial = choice_.Initial();
    fileName_->ChangeValue(ToWx(initial.fileName));
    ShowSecretInEdit(*password_, initial.password);
    ShowSecretInEdit(*confirmation_, initial.confirmation);
    reminder_->ChangeValue(ToWx(initial.reminder));
    // Handed-in text longer than the edits accept is cut like typed text.
    CutEditToBytes(*password_, kMaxMasterPasswordBytes);
    CutEditToBytes(*confirmation_, kMaxMasterPasswordBytes);
    CutEditToBytes(*reminder_, kMaxReminderBytes);
    protection_->SetValue(initial.protectionOn);
    defaultFolders_->SetValue(initial.createDefaultFolders);
    ApplyEnablingRules();

    // Typing goes where it means something: the name, selected whole, while no password is
    // asked for (the check box took keys that did nothing).
    if (fileName_->IsEnabled() && (fileName_->IsEmpty() || !password_->IsEnabled())) {
        fileName_->SetFocus();
        fileName_->SelectAll();
    } else if (password_->IsEnabled()) {
        password_->SetFocus();
    } else {
        protection_->SetFocus();
    }
}

PasswordChoiceFields CSelectPasswordDlg::ReadFields() const {
    PasswordChoiceFields fields;
    fields.fileName = FromWx(fileName_->GetValue());
    fields.password = SecretFromEdit(*password_);
    fields.confirmation = SecretFromEdit(*confirmation_);
    fields.reminder = FromWx(reminder_->GetValue());
    fields.protectionOn = protection_->IsChecked();
    fields.createDefaultFolders = defaultFolders_->IsChecked();
    return fields;
}

void CSelectPasswordDlg::ApplyEnablingRules() {
    const PasswordChoiceEnabling enabling = choice_.Enabling(ReadFields());
    password_->Enable(enabling.passwordEdits);
    confirmation_->Enable(enabling.passwordEdits);
    reminder_->Enable(enabling.passwordEdits);
    fileName_->Enable(enabling.fileControls);
    pickNew_->Enable(enabling.fileControls);
    openExisting_->Enable(enabling.fileControls);
    // Changing the password of an open file creates no folders: the box would do nothing.
    defaultFolders_->Enable(enabling.fileControls);
    if (wxButton* ok = OkButton()) ok->Enable(enabling.ok);
}

void CSelectPasswordDlg::WarnIfCapsLock(bool capsLockOn) {
    if (capsLockOn) ShowMessageBox(msg::kCapsLockWarning, wxOK | wxICON_EXCLAMATION);
}

void CSelectPasswordDlg::RunOkStep() {
    result_ = choice_.Confirm(ReadFields(), openedExisting_, prompt_, fs_);
    if (result_) Finish(wxID_OK);
}

void CSelectPasswordDlg::Finish(int code) {
    password_->ChangeValue(wxEmptyString);
    confirmation_->ChangeValue(wxEmptyString);
    EndWith(code);
}

void CSelectPasswordDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    // After the dialog is up, so that the warning shows above it.
    CallAfter([this] { WarnIfCapsLock(wxGetKeyState(WXK_CAPITAL)); });
}

void CSelectPasswordDlg::OnFileNameText(wxCommandEvent&) {
    // A name typed after "&Open..." is no longer the file that was opened.
    openedExisting_ = false;
    ApplyEnablingRules();
}

void CSelectPasswordDlg::OnSecretText(wxCommandEvent& event) {
    if (auto* edit = wxDynamicCast(event.GetEventObject(), wxTextCtrl))
        CutEditToBytes(*edit, edit == reminder_ ? kMaxReminderBytes : kMaxMasterPasswordBytes);
    ApplyEnablingRules();
}

void CSelectPasswordDlg::OnProtection(wxCommandEvent&) {
    ApplyEnablingRules();
}

void CSelectPasswordDlg::OnPickNew(wxCommandEvent&) {
    std::string path = FromWx(fileName_->GetValue());
    if (pickFile_(PasswordFilePicker::kNew, path, this, programFolder_) != wxID_OK) return;
    fileName_->ChangeValue(ToWx(path));
    openedExisting_ = false;
    ApplyEnablingRules();
}

void CSelectPasswordDlg::OnOpenExisting(wxCommandEvent&) {
    std::string path = FromWx(fileName_->GetValue());
    if (pickFile_(PasswordFilePicker::kOpen, path, this, programFolder_) != wxID_OK) return;
    fileName_->ChangeValue(ToWx(path));
    openedExisting_ = true;
    ApplyEnablingRules();
    RunOkStep();
}

void CSelectPasswordDlg::OnOk(wxCommandEvent&) {
    RunOkStep();
}

void CSelectPasswordDlg::OnCancel(wxCommandEvent&) {
    result_.reset();
    Finish(wxID_CANCEL);
}

std::optional<SelectPasswordResult> RunSelectPasswordDlg(wxWindow* parent,
                                                         const SelectPasswordRequest& request,
                                                         bool firstStart,
                                                         const std::string& programFolder) {
    CPosixFileSystem fs;
    CSelectPasswordDlg dialog(parent, request, firstStart, programFolder, fs);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return dialog.Result();
}

}  // namespace vk
