#include "core/settings/memory_settings_storage.h"

#include "core/settings/stored_value.h"

namespace vk {

bool CMemorySettingsStorage::HasValue(const std::string& name) {
    return readable && values.count(name) != 0;
}

std::optional<std::string> CMemorySettingsStorage::ReadText(const std::string& name) {
    if (!readable) return std::nullopt;
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<std::int64_t> CMemorySettingsStorage::ReadNumber(const std::string& name) {
    auto text = ReadText(name);
    if (!text) return std::nullopt;
    return ParseStoredNumber(*text);
}

std::optional<std::vector<std::uint8_t>> CMemorySettingsStorage::ReadBytes(
    const std::string& name) {
    auto text = ReadText(name);
    if (!text) return std::nullopt;
    return std::vector<std::uint8_t>(text->begin(), text->end());
}

bool CMemorySettingsStorage::WriteText(const std::string& name, const std::string& value) {
    if (!writable) return false;
    values[name] = value;
    writeOrder.push_back(name);
    return true;
}

bool CMemorySettingsStorage::WriteNumber(const std::string& name, std::uint32_t value) {
    return WriteText(name, std::to_string(value));
}

bool CMemorySettingsStorage::WriteBytes(const std::string& name,
                                        const std::vector<std::uint8_t>& value) {
    return WriteText(name, std::string(value.begin(), value.end()));
}

bool CMemorySettingsStorage::Commit() {
    ++commits;
    return writable && !commitFails;
}

}  // namespace vk
