#include "core/ui/version_info.h"

#include "core/shell/messages.h"
#include "core/shell/text_format.h"

#ifndef VK_VERSION
#define VK_VERSION "3.0.0"
#endif

namespace vk {

const std::vector<VersionString>& VersionStrings() {
    static const std::vector<VersionString> kStrings = {
        {"CompanyName", "Quorvane Software"},
        {"FileDescription", "Vaultkeep password manager"},
        {"FileVersion", VK_VERSION},
        {"ProductName", msg::kProgramName},
        {"ProductVersion", VK_VERSION},
        {"Comments",
         "Keeps your passwords and notes in one file, enciphered under a master "
         "password."},
        {"LegalCopyright", "Copyright (C) Quorvane Software"},
        {"LegalTrademarks", "Vaultkeep is a trademark of Quorvane Software."},
    };
    return kStrings;
}

std::optional<std::string> FindVersionString(const std::string& name) {
    for (const VersionString& entry : VersionStrings())
        if (name == entry.name) return entry.value;
    return std::nullopt;
}

std::string ProgramNameAndVersion() {
    return FormatText("%s %s", msg::kProgramName, FindVersionString("FileVersion")->c_str());
}

}  // namespace vk
