#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vk {

// Where the settings are kept: the registry key on Windows, a configuration file elsewhere,
// memory in tests. Everything read from here comes from outside the program and is checked
// by the caller; a backend only reports what is stored.
class ISettingsStorage {
  public:
    virtual ~ISettingsStorage() = default;

    // The settings can be read at all. When not, every setting keeps its default.
    virtual bool OpenForRead() = 0;
    virtual bool HasValue(const std::string& name) = 0;
    // The stored text, whole; nothing when the value is missing.
    virtual std::optional<std::string> ReadText(const std::string& name) = 0;
    // The stored number; nothing when the value is missing or is not a number. A 32-bit
    // value comes back unsigned; a value kept as text may hold anything a 64-bit number can.
    virtual std::optional<std::int64_t> ReadNumber(const std::string& name) = 0;
    // A binary value (the toolbar's layout); nothing when it is missing or holds no bytes.
    virtual std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& name) {
        (void)name;
        return std::nullopt;
    }

    // Creates or opens the settings for writing; false when they cannot be written.
    virtual bool OpenForWrite() = 0;
    virtual bool WriteText(const std::string& name, const std::string& value) = 0;
    virtual bool WriteNumber(const std::string& name, std::uint32_t value) = 0;
    virtual bool WriteBytes(const std::string& name, const std::vector<std::uint8_t>& value) {
        (void)name;
        (void)value;
        return false;
    }
    // Makes everything written so far last; false when it could not be kept.
    virtual bool Commit() = 0;
};

}  // namespace vk
