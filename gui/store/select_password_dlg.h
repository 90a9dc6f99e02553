#pragma once
#include <optional>
#include <string>
#include <utility>

#include "core/editor/file_commands.h"
#include "core/store/password_choice.h"
#include "gui/store/password_file_picker.h"
#include "gui/ui/dialog_base.h"
#include "gui/ui/message_box_prompt.h"

class wxButton;
class wxCheckBox;
class wxTextCtrl;

namespace vk {

class IFileSystem;

// Chooses the file name, the protection, the master password with its confirmation and the
// reminder phrase: for a new file, the first start and "Master password...". Ends with wxID_OK
// (Result() then holds what was chosen) or wxID_CANCEL. It never touches the store.
class CSelectPasswordDlg : public CDialogBase {
  public:
    CSelectPasswordDlg(wxWindow* parent, const SelectPasswordRequest& request, bool firstStart,
                       const std::string& programFolder, IFileSystem& fs);
    ~CSelectPasswordDlg() override;

    // What was chosen, after the dialog ended with wxID_OK.
    const std::optional<SelectPasswordResult>& Result() const { return result_; }
    bool OpenedExisting() const { return openedExisting_; }

    // The warning about Caps Lock the dialog gives when it opens.
    void WarnIfCapsLock(bool capsLockOn);

    // Replaces the file pickers of "..." and "&Open...".
    void SetFilePicker(PasswordFilePickerFn picker) { pickFile_ = std::move(picker); }

    // The controls, for the tests that drive the dialog.
    wxTextCtrl* FileNameEdit() const { return fileName_; }
    wxTextCtrl* PasswordEdit() const { return password_; }
    wxTextCtrl* ConfirmationEdit() const { return confirmation_; }
    wxTextCtrl* ReminderEdit() const { return reminder_; }
    wxCheckBox* ProtectionBox() const { return protection_; }
    wxCheckBox* DefaultFoldersBox() const { return defaultFolders_; }
    wxButton* PickNewButton() const { return pickNew_; }
    wxButton* OpenExistingButton() const { return openExisting_; }
    wxButton* OkButton() const;

  private:
    void Fill();
    PasswordChoiceFields ReadFields() const;
    void ApplyEnablingRules();
    void RunOkStep();
    void Finish(int code);

    void OnInitDialog(wxInitDialogEvent& event);
    void OnFileNameText(wxCommandEvent& event);
    void OnSecretText(wxCommandEvent& event);
    void OnProtection(wxCommandEvent& event);
    void OnPickNew(wxCommandEvent& event);
    void OnOpenExisting(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    CPasswordChoice choice_;
    std::string programFolder_;
    IFileSystem& fs_;
    CMessageBoxPrompt prompt_;
    std::optional<SelectPasswordResult> result_;
    bool openedExisting_ = false;
    PasswordFilePickerFn pickFile_ = DefaultPasswordFilePicker();

    wxTextCtrl* fileName_ = nullptr;
    wxButton* pickNew_ = nullptr;
    wxButton* openExisting_ = nullptr;
    wxCheckBox* protection_ = nullptr;
    wxTextCtrl* password_ = nullptr;
    wxTextCtrl* confirmation_ = nullptr;
    wxTextCtrl* reminder_ = nullptr;
    wxCheckBox* defaultFolders_ = nullptr;
};

// Shows the dialog modally over `parent` (may be null) and gives what was chosen, or nothing
// on Cancel. The caller takes the result into the store: marks it modified and sets the
// encrypted flag from `protectionOn`.
std::optional<SelectPasswordResult> RunSelectPasswordDlg(wxWindow* parent,
                                                         const SelectPasswordRequest& request,
                                                         bool firstStart,
                                                         const std::string& programFolder);

}  // namespace vk
