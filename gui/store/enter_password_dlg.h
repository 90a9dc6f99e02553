#pragma once
#include <string>
#include <utility>

#include "core/shell/user_prompt.h"
#include "core/store/password_entry.h"
#include "gui/store/password_file_picker.h"
#include "gui/ui/dialog_base.h"
#include "gui/ui/message_box_prompt.h"

class wxButton;
class wxStaticBitmap;
class wxStaticText;
class wxTextCtrl;

namespace vk {

// Asks for the password of a protected file, or of the locked database, with three attempts.
// Ends with 1 (the password matched), 0 (Cancel, or the last attempt failed) or -1 ("Browse..."
// picked another file, see NewPath()).
class CEnterPasswordDlg : public CDialogBase {
  public:
    static constexpr int kEndAccepted = static_cast<int>(PasswordOutcome::kAccepted);
    static constexpr int kEndCancelled = static_cast<int>(PasswordOutcome::kCancelled);
    static constexpr int kEndBrowse = static_cast<int>(PasswordOutcome::kBrowse);

    CEnterPasswordDlg(wxWindow* parent, const PasswordRequest& request);
    ~CEnterPasswordDlg() override;

    // The password that matched, after the dialog ended with 1.
    const SecretString& Password() const { return entry_.Password(); }
    // The file picked with "Browse...", after the dialog ended with -1.
    const std::string& NewPath() const { return newPath_; }
    int AttemptsLeft() const { return entry_.AttemptsLeft(); }

    // Replaces the file picker "Browse..." shows.
    void SetFilePicker(PasswordFilePickerFn picker) { pickFile_ = std::move(picker); }

    wxTextCtrl* PasswordEdit() const { return passwordEdit_; }
    wxStaticText* StatusLabel() const { return status_; }

  private:
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnBrowse(wxCommandEvent& event);
    void OnPasswordText(wxCommandEvent& event);
    void Finish(int code);

    CPasswordEntry entry_;
    CMessageBoxPrompt prompt_;
    std::string newPath_;
    PasswordFilePickerFn pickFile_ = DefaultPasswordFilePicker();
    wxTextCtrl* passwordEdit_ = nullptr;
    wxStaticText* status_ = nullptr;
    wxButton* browse_ = nullptr;
};

}  // namespace vk
