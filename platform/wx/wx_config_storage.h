#pragma once
#include <memory>
#include <string>

#include "core/settings/settings_storage.h"

class wxConfigBase;

namespace vk {

// The program's settings through the toolkit's configuration: on Windows the registry key
// HKEY_CURRENT_USER "Software\Quorvane Software\Vaultkeep", elsewhere the owner-only file
// "Vaultkeep.conf" in the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config),
// read when the storage is made and replaced as a whole on Commit.
//
// Only one storage should be open at a time: each keeps its own copy of the file and the
// last to commit wins.
class CWxConfigStorage : public ISettingsStorage {
  public:
    CWxConfigStorage();
    ~CWxConfigStorage() override;
    CWxConfigStorage(const CWxConfigStorage&) = delete;
    CWxConfigStorage& operator=(const CWxConfigStorage&) = delete;

    // The settings file; empty where the settings live in the registry.
    const std::string& FilePath() const { return filePath_; }

    bool OpenForRead() override;
    bool HasValue(const std::string& name) override;
    std::optional<std::string> ReadText(const std::string& name) override;
    std::optional<std::int64_t> ReadNumber(const std::string& name) override;
    // A binary value of the toolkit: a registry binary value, base64 text in the file.
    std::optional<std::vector<std::uint8_t>> ReadBytes(const std::string& name) override;
    bool OpenForWrite() override;
    bool WriteText(const std::string& name, const std::string& value) override;
    bool WriteNumber(const std::string& name, std::uint32_t value) override;
    bool WriteBytes(const std::string& name, const std::vector<std::uint8_t>& value) override;
    bool Commit() override;

  private:
    std::unique_ptr<wxConfigBase> config_;
    std::string filePath_;
};

}  // namespace vk
