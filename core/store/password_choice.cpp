#include "core/store/password_choice.h"

#include <utility>

#include "core/shell/file_names.h"
#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "core/store/file_system.h"
#include "core/store/password_check.h"
#include "core/store/password_dialog_messages.h"

namespace vk {

CPasswordChoice::CPasswordChoice(const SelectPasswordRequest& request, bool firstStart,
                                 std::string programFolder)
    : title_(request.title),
      programFolder_(std::move(programFolder)),
      changeMode_(request.changeMode) {
    initial_.fileName = request.filePath;
    if (firstStart && request.filePath.empty()) initial_.fileName = msg::kDefaultFileName;
    // The reminder belongs to the password: without one there is nothing to remind of.
    if (!request.password.empty()) {
        initial_.password = request.password;
        initial_.confirmation = request.password;
        initial_.reminder = request.reminder;
    }
    initial_.protectionOn = request.protectionOn;
    initial_.createDefaultFolders = !changeMode_;
}

std::string CPasswordChoice::Title() const {
    return title_.empty() ? std::string(msg::kSelectPasswordTitle) : title_;
}

PasswordChoiceEnabling CPasswordChoice::Enabling(const PasswordChoiceFields& now) const {
    PasswordChoiceEnabling enabling;
    enabling.passwordEdits = now.protectionOn;
    enabling.ok = now.protectionOn
                      ? !now.password.empty() && now.password == now.confirmation.view()
                      : !now.fileName.empty();
    enabling.fileControls = !changeMode_;
    return enabling;
}

std::optional<SelectPasswordResult> CPasswordChoice::Confirm(const PasswordChoiceFields& now,
                                                             bool openedExisting,
                                                             IUserPrompt& prompt,
                                                             IFileSystem& fs) const {
    SelectPasswordResult result;
    if (now.protectionOn) {
        if (now.password != now.confirmation.view()) {
            prompt.ShowError(msg::kPasswordsDoNotMatch);
            return std::nullopt;
        }
        // The edits hold no more than fits, but a password handed in could be longer than the
        // check block can ever prove.
        const std::string tooLong = MasterPasswordProblem(now.password.view());
        if (!tooLong.empty()) {
            prompt.ShowError(tooLong);
            return std::nullopt;
        }
        result.password = now.password;
    }
    const std::string reminderProblem = ReminderProblem(now.reminder);
    if (!reminderProblem.empty()) {
        prompt.ShowError(reminderProblem);
        return std::nullopt;
    }

    if (now.fileName.empty()) {
        prompt.ShowError(msg::kEnterFileName);
        return std::nullopt;
    }
    // In change mode the name is the open file's, which the user cannot edit: giving it an
    // extension here would quietly save the file under another name.
    std::string path = now.fileName;
    if (!changeMode_) {
        path = WithPasswordFileExtension(path);
        if (!CheckFileNameCharacters(path, prompt)) return std::nullopt;
        path = PlaceBareFileName(path, programFolder_);
    }

    if (!changeMode_ && !openedExisting && fs.Exists(path)) {
        const MessageResult answer =
            prompt.ShowMessage(FormatText(msg::kFileExistsFormat, path.c_str()),
                               MessageButtons::kYesNo, MessageIcon::kDefault);
        if (answer != MessageResult::kYes) return std::nullopt;
    }

    result.filePath = path;
    result.reminder = now.reminder;
    // A file is protected only by a password: "protected" without one (reachable through
    // "&Open..." before a password was typed) would promise what the file does not do.
    result.protectionOn = now.protectionOn && !result.password.empty();
    result.createDefaultFolders = now.createDefaultFolders;
    result.openedExisting = openedExisting;
    return result;
}

}  // namespace vk
