#pragma once
#include <functional>
#include <memory>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/settings/settings.h"
#include "core/settings/settings_store.h"
#include "core/shell/clipboard_clearer.h"
#include "core/shell/date_text.h"
#include "core/store/file_system.h"
#include "core/store/password_file.h"
#include "core/store/password_store.h"

namespace vk {

// What every window reaches through the application: the open file, the folder tree model,
// the settings and the services behind them. The application fills it once; tests make
// their own with in-memory services.
class CAppContext {
  public:
    CAppContext(ISettingsStorage& storage, IFileSystem& fs, IUserPrompt& prompt, IDateFormat& dates,
                IClipboard& clipboard, IClock& clock, std::string programFolder);

    // The default password file in the program's folder.
    std::string DefaultFilePath() const;
    // Writes the settings as the main window leaves them, with the open file's state.
    void SaveSettings();

    CSettings settings;
    CSettingsStore settingsStore;
    CPasswordStore store;
    CFolderTree tree;
    IFileSystem& fs;
    IUserPrompt& prompt;
    CPasswordFile file;
    CClipboardClearer clipboard;
    const std::string programFolder;
    bool locked = false;

    // Reached from windows into the application object.
    std::function<bool()> trayIconShown = [] { return false; };
    std::function<void()> updateStartupEntry = [] {};
    std::function<void()> quit = [] {};

    // The quick-access dialog, where it exists. After a change of folders or records the
    // editor asks for a refresh (the tree is rebuilt when it next gets the focus); after
    // file commands and new column icons the tree is rebuilt at once.
    std::function<void()> quickAccessChanged = [] {};
    std::function<void()> rebuildQuickAccess = [] {};
    // The options sheet changed `Transparency` or `SkinDialog`.
    std::function<void()> applyTransparency = [] {};
    std::function<void()> applySkin = [] {};
    // The options sheet changed `ClearClipboard` or `ClearSeconds`.
    std::function<void()> updateClipboardTimer = [] {};
    // Open in editor: show the editor at this folder, record and column slot.
    std::function<void(int folder, int record, int slot)> jumpToRecord = [](int, int, int) {};
};

}  // namespace vk
