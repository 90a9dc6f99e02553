#include "core/shell/file_names.h"

#include "core/shell/letter_case.h"
#include "core/shell/messages.h"
#include "core/shell/shell_messages.h"
#include "core/shell/text_format.h"

namespace vk {

std::string FileNamePart(const std::string& path) {
    const auto pos = path.find_last_of("\\/");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    return folder + '/' + name;
}

std::string PlaceBareFileName(const std::string& name, const std::string& programFolder) {
    if (name.find_first_of("\\/") != std::string::npos) return name;
    return PathInFolder(programFolder, name);
}

std::string WithPasswordFileExtension(const std::string& name) {
    if (LowerCaseText(name).find(msg::kFileExtension) != std::string::npos) return name;
    return name + msg::kFileExtension;
}

bool HasBadFileNameCharacters(const std::string& path) {
    return FileNamePart(path).find_first_of(msg::kBadFileNameCharacters) != std::string::npos;
}

std::string BadFileNameCharactersText() {
    std::string text = msg::kBadFileNameIntro;
    for (const char* c = msg::kBadFileNameCharacters; *c; ++c) {
        text += *c;
        text += ' ';
    }
    return text;
}

bool CheckFileNameCharacters(const std::string& path, IUserPrompt& prompt) {
    if (!HasBadFileNameCharacters(path)) return true;
    prompt.ShowMessage(BadFileNameCharactersText(), MessageButtons::kOk, MessageIcon::kExclamation);
    return false;
}

std::string PasswordFileFilter(const char* allFilesPattern) {
    return FormatText(msg::kFileFilterFormat, msg::kProgramName, msg::kFileExtension,
                      msg::kFileExtension) +
           msg::kAllFilesFilterName + "|" + allFilesPattern;
}

}  // namespace vk
