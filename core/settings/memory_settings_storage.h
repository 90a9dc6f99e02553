#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/settings/settings_storage.h"

namespace vk {

// Settings held in memory, numbers as decimal text the way a configuration file holds them,
// so that any stored text (a hostile one too) can be put in place. Used by tests and by the
// command-line tool, which keeps no settings of its own. It can be made to fail like a key
// that cannot be opened or written.
class CMemorySettingsStorage : public ISettingsStorage {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writeOrder;  // every name written, in order
    bool readable = true;
    bool writable = true;
    bool commitFails = false;
    int commits = 0;

    bool OpenForRead() override { return readable; }
    bool HasValue(const std::string& name) override;
    std::optional<std::string> ReadText(const std::string& name) override;
    std::optional<std::int64_t> ReadNumber(const std::string& name) override;
    // Bytes are kept as they are, one character each.
    std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& name) override;
    bool OpenForWrite() override { return writable; }
    bool WriteText(const std::string& name, const std::string& value) override;
    bool WriteNumber(const std::string& name, std::uint32_t value) override;
    bool WriteBytes(const std::string& name, const std::vector<std::uint8_t>& value) override;
    bool Commit() override;
};

}  // namespace vk
