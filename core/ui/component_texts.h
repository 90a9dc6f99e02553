#pragma once
#include <string>

namespace vk {

// Texts of the toolbar, the links, the tip of the day and the About box, word for word.
namespace msg {
inline constexpr const char kUnableToOpenHyperlink[] = "Unable to open hyperlink:\n\n";
inline constexpr const char kUnknownErrorFormat[] = "Unknown Error (%d) occurred.";
inline constexpr const char kCustomizeToolbarTitle[] = "Customize Toolbar";
inline constexpr const char kAboutTitle[] = "About";
inline constexpr const char kShowTipsOnStartup[] = "&Show Tips on StartUp";
inline constexpr const char kNextTip[] = "&Next Tip";
inline constexpr const char kCloseButton[] = "&Close";
}  // namespace msg

// The message of a link that could not be opened: the system's result `code` in it.
std::string HyperlinkFailureText(int code);

}  // namespace vk
