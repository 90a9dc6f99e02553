#pragma once
#include <optional>
#include <string>

namespace vk {

// True when standard input is a terminal a person types into.
bool StdinIsTerminal();

// Shows `prompt` on the terminal and reads one line with echo turned off. Nothing when there
// is no terminal or it was closed.
std::optional<std::string> ReadHiddenLine(const std::string& prompt);

}  // namespace vk
