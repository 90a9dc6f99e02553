#include "core/settings/conf_file_text.h"

#include "core/settings/memory_settings_storage.h"
#include "core/settings/settings_store.h"
#include "core/shell/user_prompt.h"

namespace vk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A backslash takes the next byte literally, except the letters that name control bytes.
std::string Unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char next = s[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
    }
    return out;
}

std::string Value(std::string_view raw) {
    raw = Trim(raw);
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        raw.remove_prefix(1);
        raw.remove_suffix(1);
    }
    return Unescape(raw);
}

// Messages have nowhere to go while the settings are only read.
class CSilentPrompt : public IUserPrompt {
  public:
    MessageResult ShowMessage(const std::string&, MessageButtons, MessageIcon) override {
        return MessageResult::kCancel;
    }
    PasswordAnswer AskPassword(const PasswordRequest&) override { return {}; }
};

}  // namespace

std::map<std::string, std::string> ParseConfFileText(std::string_view text) {
    std::map<std::string, std::string> entries;
    std::string group;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            group = close == std::string_view::npos ? "" : Unescape(line.substr(1, close - 1));
            while (!group.empty() && group.front() == '/') group.erase(0, 1);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) continue;
        const std::string name = Unescape(Trim(line.substr(0, equals)));
        entries[group.empty() ? name : group + "/" + name] = Value(line.substr(equals + 1));
    }
    return entries;
}

CSettings SettingsFromConfFileText(std::string_view text, const FileExistsCheck& fileExists) {
    CMemorySettingsStorage storage;
    storage.values = ParseConfFileText(text);
    CSilentPrompt prompt;
    CSettingsStore store(storage, prompt, fileExists);
    CSettings settings;
    store.LoadSettings(settings);
    return settings;
}

}  // namespace vk
