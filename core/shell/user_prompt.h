#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/store/secret_string.h"

namespace vk {

enum class MessageIcon { kDefault, kInformation, kExclamation, kStop, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageResult { kOk, kCancel, kYes, kNo };

constexpr std::size_t kCheckBlockBytes = 80;
using CheckBlock = std::array<std::uint8_t, kCheckBlockBytes>;

// What the loader knows when it must ask for the password of a protected file.
struct PasswordRequest {
    std::string fileName;     // the file's name without its folder
    std::string filePath;     // where the picker starts when the user browses
    std::string reminder;     // the file's reminder phrase
    CheckBlock checkBlock{};  // the file's enciphered password check block
    bool lockMode = false;    // unlocking the open database instead of opening a file
};

enum class PasswordOutcome { kCancelled = 0, kAccepted = 1, kBrowse = -1 };

struct PasswordAnswer {
    PasswordOutcome outcome = PasswordOutcome::kCancelled;
    SecretString password;  // with kAccepted: the password that matched the check block
    std::string newPath;    // with kBrowse: the file the user picked instead
};

// The core's only way to talk to the user. The GUI answers with message boxes and the
// password dialog, the command-line tool with stderr and stdin, tests with a script.
class IUserPrompt {
  public:
    virtual ~IUserPrompt() = default;
    virtual MessageResult ShowMessage(const std::string& text, MessageButtons buttons,
                                      MessageIcon icon) = 0;
    // Must only answer kAccepted with a password that passes the check block.
    virtual PasswordAnswer AskPassword(const PasswordRequest& request) = 0;

    void ShowError(const std::string& text) {
        ShowMessage(text, MessageButtons::kOk, MessageIcon::kDefault);
    }
};

}  // namespace vk
