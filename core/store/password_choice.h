#pragma once
#include <optional>
#include <string>

#include "core/editor/file_commands.h"
#include "core/shell/user_prompt.h"
#include "core/store/secret_string.h"

namespace vk {

class IFileSystem;

// What the select-password dialog's edits and boxes hold.
struct PasswordChoiceFields {
    std::string fileName;
    SecretString password;
    SecretString confirmation;
    std::string reminder;
    bool protectionOn = false;
    bool createDefaultFolders = false;
};

// Which of the dialog's controls may be used.
struct PasswordChoiceEnabling {
    bool passwordEdits = false;  // password, confirmation and reminder
    bool ok = false;
    bool fileControls = false;  // file name edit, "..." and "&Open..."
};

// What the select-password dialog decides: how it opens, which controls are enabled, and
// whether OK may end it. It never touches the store: the caller applies the result.
class CPasswordChoice {
  public:
    // A first start with no file path proposes "Vaultkeep.vk"; a bare name given at OK goes
    // into `programFolder`.
    CPasswordChoice(const SelectPasswordRequest& request, bool firstStart,
                    std::string programFolder);

    // The request's title, or "Select password" when it has none.
    std::string Title() const;
    bool ChangeMode() const { return changeMode_; }
    // What the controls show when the dialog opens.
    const PasswordChoiceFields& Initial() const { return initial_; }

    // Applied after every change of an edit or of the protection box.
    PasswordChoiceEnabling Enabling(const PasswordChoiceFields& now) const;

    // The OK step. Shows its messages through `prompt` and gives nothing while the dialog
    // should stay open. A file the user opened with "&Open..." (and, in change mode, the
    // open file) is never asked about as one that would be overwritten.
    std::optional<SelectPasswordResult> Confirm(const PasswordChoiceFields& now,
                                                bool openedExisting, IUserPrompt& prompt,
                                                IFileSystem& fs) const;

  private:
    PasswordChoiceFields initial_;
    std::string title_;
    std::string programFolder_;
    bool changeMode_ = false;
};

}  // namespace vk
