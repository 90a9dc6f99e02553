#pragma once

// Texts of the shared shell services (clipboard, launching, start-up entry, file names,
// columns), word for word.
namespace vk::msg {

inline constexpr const char kCopyFailed[] = "Unable to copy text to the clipboard";
inline constexpr const char kLaunchFailedFormat[] =
    "Unable to launch %s.\n\nThe system error code is:\n\n%s";
// The reason shown when no program takes the address or document: the toolkit reports no
// error number for it, and whatever errno holds then is unrelated.
inline constexpr const char kNoAssociatedProgram[] =
    "No application is associated with the specified file for this operation.";
inline constexpr const char kStartupEntryFailed[] = "Unable to add startup shortcut entry.";

// Followed by each forbidden character with a blank behind it.
inline constexpr const char kBadFileNameIntro[] =
    "\nPlease do not use any of the following characters\nin the filename:\n\n"
    "                    ";
inline constexpr const char kBadFileNameCharacters[] = "/\\:*?\"<>|";

inline constexpr const char kInvalidColumn[] = "INVALID COLUMN";
inline constexpr const char kSelectOneColumn[] = "You must select at least one column";

// File pickers.
inline constexpr const char kOpenPasswordFileTitle[] = "Open password file";
inline constexpr const char kNewPasswordFileTitle[] = "New password file";
inline constexpr const char kSaveAsTitle[] = "Save as";
inline constexpr const char kFileFilterFormat[] = "%s files (*%s)|*%s|";
inline constexpr const char kAllFilesFilterName[] = "All Files (*.*)";

}  // namespace vk::msg
