#pragma once

// Texts of the quick-access dialog and its ways out, word for word.
namespace vk::msg {

inline constexpr const char kSearchNotFound[] = "Search item was not found.";
inline constexpr const char kTypingNotPossible[] =
    "Typing into other applications is not possible under Wayland; the text was copied to the "
    "clipboard instead.";
inline constexpr const char kNotActivated[] =
    "The application could not be activated; nothing was typed.";
inline constexpr const char kNotesTitle[] = "Notes";

// Tooltips of the dialog's buttons.
inline constexpr const char kSearchTip[] = "Search items";
inline constexpr const char kCopyTip[] = "Copy to clipboard";
inline constexpr const char kPasteTip[] = "Paste to last active application";
inline constexpr const char kEditorTip[] = "Display password editor";
inline constexpr const char kCloseTip[] = "Close window to the system tray";

}  // namespace vk::msg
