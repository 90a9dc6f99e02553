#pragma once
#include <map>
#include <string>
#include <string_view>

#include "core/settings/recent_files.h"
#include "core/settings/settings.h"

namespace vk {

// The entries of the program's configuration file as the toolkit writes it on Linux:
// "[Group]" lines, "Name=value" lines, values optionally in double quotes, backslash escapes
// (\n \r \t \\ \"). Entries outside any group keep their name; others are "Group/Name".
// Comments (';', '#') and lines without '=' are skipped; the last of repeated names wins.
std::map<std::string, std::string> ParseConfFileText(std::string_view text);

// The settings stored in such a file over the defaults, read exactly as the program reads
// its own (every value checked). For tools that read the user's settings but never write them.
CSettings SettingsFromConfFileText(std::string_view text, const FileExistsCheck& fileExists);

}  // namespace vk
