#pragma once
#include <string>

#include "core/shell/startup_entry.h"

namespace vk {

// The desktop's autostart folder: $XDG_CONFIG_HOME/autostart, by default
// ~/.config/autostart. Empty when neither variable helps.
std::string AutostartFolder();

// One argument of a desktop entry's Exec line, quoted and escaped so that the desktop
// hands it back unchanged.
std::string DesktopExecArgument(const std::string& argument);

// The text of the entry that starts `programPath` in the tray at login; empty when the
// path cannot be written into a desktop entry (not UTF-8, or holding a control character).
std::string AutostartEntryText(const std::string& programPath);

// "Vaultkeep.desktop" in the autostart folder, starting the program with "Systray".
class CXdgAutostartEntry : public IStartupEntry {
  public:
    CXdgAutostartEntry(std::string programPath, std::string autostartFolder);
    // The running program in the user's autostart folder.
    CXdgAutostartEntry();

    bool IsAvailable() override;
    bool Write() override;
    void Remove() override;

    const std::string& FilePath() const { return filePath_; }

  private:
    std::string programPath_;
    std::string folder_;
    std::string filePath_;
};

}  // namespace vk
