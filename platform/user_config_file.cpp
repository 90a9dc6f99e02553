#include "platform/user_config_file.h"

#include <cstdlib>

#include "core/settings/settings_names.h"

namespace vk {

std::string UserConfigFilePath() {
    const std::string name = std::string("/") + setting::kAppName + ".conf";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config + name;
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.config" + name;
    return "";
}

}  // namespace vk
