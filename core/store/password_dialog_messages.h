#pragma once

// Texts of the two password dialogs, word for word. The shared ones ("Incorrect password",
// "The passwords do not match." ...) live in core/shell/messages.h.
namespace vk::msg {

inline constexpr const char kEnterPasswordTitle[] = "Enter password";
inline constexpr const char kSelectPasswordTitle[] = "Select password";
inline constexpr const char kPasswordProtectedFormat[] =
    "The file '%s' is password protected.\nPlease enter the password below.";
inline constexpr const char kEnterFileName[] = "You must enter a filename.";
inline constexpr const char kFileExistsFormat[] =
    "The %s file already exists.\nDo you wish to overwrite it?";
// Two blanks before LOCK, as the program has always shown it.
inline constexpr const char kCapsLockWarning[] =
    "Warning, passwords are case sensitive and your CAPS  LOCK key is enabled.";

// Buttons, check boxes and labels of the dialogs.
inline constexpr const char kBrowseButton[] = "Browse...";
inline constexpr const char kPickNewFileButton[] = "...";
inline constexpr const char kOpenExistingButton[] = "&Open...";
inline constexpr const char kEnableProtection[] = "&Enable password protection";
inline constexpr const char kCreateDefaultFolders[] = "&Create default folders";
inline constexpr const char kFileNameLabel[] = "&File name:";
inline constexpr const char kPasswordLabel[] = "&Password:";
inline constexpr const char kConfirmationLabel[] = "Co&nfirm password:";
inline constexpr const char kReminderLabel[] = "&Reminder phrase:";

}  // namespace vk::msg
