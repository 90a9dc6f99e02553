#pragma once

// The program's own texts, word for word. Shared by the GUI, the command-line tool and tests.
namespace vk::msg {

inline constexpr const char kProgramName[] = "Vaultkeep";
inline constexpr const char kDefaultFileName[] = "Vaultkeep.vk";
inline constexpr const char kFileExtension[] = ".vk";

// Password file.
inline constexpr const char kFileExceptionFormat[] = "Error: %s\n\n\n%s\n\nFilename: %s";
inline constexpr const char kFileExceptionShortFormat[] = "Error: %s %s File: %s";
inline constexpr const char kCantOpenSource[] =
    "Can't open the source file for reading.\nPlease select a different file, or create a new "
    "file, from the Editor window.";
inline constexpr const char kErrorReadingFile[] = "Error reading file";
inline constexpr const char kErrorWritingFile[] = "Error writing to file";
inline constexpr const char kInvalidVersionFormat[] =
    "\nInvalid version number in file:\n\n%s\n\nYou may need a newer version of this utility "
    "to read this password file.";
inline constexpr const char kUnknownDataType[] = "Unknown data type in file.";
// Stands in for the system's text when another copy of the program holds the file.
inline constexpr const char kFileInUse[] =
    "The process cannot access the file because it is being used by another process.";

// Passwords.
inline constexpr const char kIncorrectPassword[] = "Incorrect password";
inline constexpr const char kLastAttempt[] = "Incorrect password and this was your last attempt.";
inline constexpr const char kPasswordsDoNotMatch[] = "The passwords do not match.";
inline constexpr const char kPasswordTooLongFormat[] =
    "The password is too long.\nA master password can hold at most %u characters.";
inline constexpr const char kPasswordHoldsNul[] =
    "The password holds a NUL character, which a master password cannot hold.";
inline constexpr const char kReminderTooLongFormat[] =
    "The reminder phrase is too long.\nIt can hold at most %u characters.";
inline constexpr const char kReminderHoldsLineBreak[] =
    "The reminder phrase cannot hold a line break.";

// Main window and file commands.
inline constexpr const char kMainTitleFormat[] = "%s - %s ";
inline constexpr const char kNoFileSelected[] = "No file selected";
inline constexpr const char kSaveChangesFormat[] = "Do you wish to save your changes to %s?";
inline constexpr const char kFileSavedFormat[] = "File saved: %s";
inline constexpr const char kWelcomeFormat[] =
    "The first time you use %s, it creates a new password database for you.\n\nWhen you click "
    "the OK button, a dialog will allow you to select a filename and password for your database.";
inline constexpr const char kNewFileTitle[] = "New file";
inline constexpr const char kChangePasswordTitle[] = "Change password";

// Folders.
inline constexpr const char kNoTildeFormat[] =
    "Please do not use the %c character in folder names.";

}  // namespace vk::msg
