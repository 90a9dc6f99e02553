#pragma once
#include <string>

#include "core/shell/user_prompt.h"

namespace vk {

// Opens a web address, a "mailto:" address or a document with what the desktop associates
// with it. On failure shows "Unable to launch ..." with the system's reason and returns
// false.
bool LaunchText(const std::string& text, IUserPrompt& prompt);

}  // namespace vk
