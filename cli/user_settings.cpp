#include "cli/user_settings.h"

#include "core/settings/conf_file_text.h"
#include "core/store/whole_file.h"
#include "platform/posix_file_system.h"
#include "platform/user_config_file.h"

namespace vk::cli {

CSettings LoadUserSettings() {
    constexpr std::size_t kMaxSettingsBytes = 1 << 20;
    CPosixFileSystem fs;
    const std::string path = UserConfigFilePath();
    const auto text = path.empty() || !fs.Exists(path) ? std::nullopt
                                                       : ReadWholeFile(fs, path, kMaxSettingsBytes);
    return SettingsFromConfFileText(text ? *text : std::string(),
                                    [&fs](const std::string& file) { return fs.Exists(file); });
}

}  // namespace vk::cli
