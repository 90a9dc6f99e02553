#include "core/settings/profile_file.h"

#include <limits>

#include "core/settings/profile_text.h"
#include "core/settings/settings_names.h"
#include "core/settings/stored_value.h"
#include "core/shell/text_format.h"
#include "core/store/atomic_file.h"
#include "core/store/whole_file.h"

namespace vk {
namespace {

std::string JoinPath(const std::string& folder, const char* name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

}  // namespace

CProfileFile::CProfileFile(IFileSystem& fs, IUserPrompt& prompt, const std::string& folder)
    : fs_(fs), prompt_(prompt), path_(JoinPath(folder, setting::kProfileFileName)) {}

std::optional<std::string> CProfileFile::ReadAll() {
    if (!fs_.Exists(path_)) return std::string();
    return ReadWholeFile(fs_, path_, kMaxBytes);
}

std::optional<std::string> CProfileFile::FindValue(const std::string& key) {
    const auto content = ReadAll();
    if (!content) return std::nullopt;
    return FindProfileValue(*content, setting::kProfileFileName, key);
}

std::string CProfileFile::ReadText(const std::string& key, const std::string& defaultValue) {
    const auto value = FindValue(key);
    return value ? CutStoredText(*value) : defaultValue;
}

std::uint32_t CProfileFile::ReadNumber(const std::string& key, std::uint32_t defaultValue) {
    const auto value = FindValue(key);
    if (!value) return defaultValue;
    // Like the system's profile reader, the number is what the value starts with.
    std::size_t end = 0;
    if (end < value->size() && ((*value)[end] == '-' || (*value)[end] == '+')) ++end;
    while (end < value->size() && (*value)[end] >= '0' && (*value)[end] <= '9') ++end;
    const auto number = ParseStoredNumber(std::string_view(*value).substr(0, end));
    if (!number) return defaultValue;
    if (*number < 0) return 0;
    constexpr auto kMax = std::numeric_limits<std::uint32_t>::max();
    return *number > kMax ? kMax : static_cast<std::uint32_t>(*number);
}

int CProfileFile::WriteText(const std::string& key, const std::string& value) {
    std::string oneLine = value;
    for (char& c : oneLine) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return Write(key, FormatText("%c%s%c", '"', oneLine.c_str(), '"'));
}

int CProfileFile::WriteNumber(const std::string& key, std::uint32_t value) {
    return Write(key, FormatText("%u", static_cast<unsigned>(value)));
}

int CProfileFile::Write(const std::string& key, const std::string& rawValue) {
    // A file that cannot be read whole is left alone rather than replaced by a part of it.
    const auto content = ReadAll();
    if (!content) return Fail();
    const std::string updated = SetProfileValue(*content, setting::kProfileFileName, key, rawValue);
    return Replace(updated).ok() ? 1 : Fail();
}

FileStatus CProfileFile::Replace(const std::string& content) {
    // The profile holds no secrets: it keeps the permissions it had.
    CAtomicFile file(fs_, path_, TempAccess::kLikeTarget);
    FileStatus status = file.Open();
    if (status.ok()) status = file.Append(content.data(), content.size());
    if (status.ok()) status = file.Commit();
    return status;
}

int CProfileFile::Fail() {
    if (!writeFailureShown_) {
        writeFailureShown_ = true;
        prompt_.ShowError(FormatText(msg::kErrorWritingProfileFormat, path_.c_str()));
    }
    return 0;
}

}  // namespace vk
