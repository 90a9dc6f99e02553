#pragma once

// Texts of the options sheet that the core decides on, word for word.
namespace vk::msg {

inline constexpr const char kCannotChangePasswordIcon[] =
    "You cannot change the icon for passwords";
inline constexpr const char kCannotChangeDateIcon[] = "You cannot change the icon for dates";
inline constexpr const char kColumnsFrameFormat[] = "%s columns";
inline constexpr const char kPercentFormat[] = "%u%%";

}  // namespace vk::msg
