#pragma once
#include <string>

namespace vk {

// The program's settings file as the toolkit keeps it on Linux:
// $XDG_CONFIG_HOME/Vaultkeep.conf, by default ~/.config/Vaultkeep.conf. Empty when neither
// variable helps.
std::string UserConfigFilePath();

}  // namespace vk
