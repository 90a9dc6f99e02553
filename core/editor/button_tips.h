#pragma once
#include <string>

namespace vk {

// The text kept for a command or button: what it does, a line break and its short name
// ("Add new folder\nAdd"); empty for numbers without one.
const char* CommandText(int id);

// The tooltip of a button: the part of its text before the line break.
std::string ButtonTip(int id);

}  // namespace vk
