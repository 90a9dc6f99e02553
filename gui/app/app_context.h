#pragma once
#include <functional>
#include <memory>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/settings/profile_file.h"
#include "core/settings/settings.h"
#include "core/settings/settings_store.h"
#include "core/shell/clipboard_clearer.h"
#include "core/shell/date_text.h"
#include "core/store/file_system.h"
#include "core/store/password_file.h"
#include "core/store/password_store.h"
#include "core/tools/report_settings.h"

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
    IDateFormat& dates;
    CPasswordFile file;
    CClipboardClearer clipboard;
    const std::string programFolder;
    // "Vaultkeep.ini" in the program's folder: the generator's and the tips' values.
    CProfileFile profile;
    bool locked = false;
    // The report's options for as long as the program runs (never stored).
    CReportSettings report;

    // Reached from windows into the application object.
    std::function<bool()> trayIconShown = [] { return false; };
    std::function<void()> updateStartupEntry = [] {};
    std::function<void()> quit = [] {};

    // How windows that do not own each other tell each other about changes. The owner of
    // the behaviour sets the hook; everyone else only calls it.
    // Folders or records changed: the quick-access tree is stale (rebuilt when next shown).
    std::function<void()> quickAccessChanged = [] {};
    // A file was loaded, saved or made, or the column icons changed: rebuilt at once.
    std::function<void()> rebuildQuickAccess = [] {};
    // Show a record in the editor: its folder selected, the record and column slot current.
    std::function<void(int folder, int record, int slot)> jumpToRecord = [](int, int, int) {};
    // Settings changed by the options: apply them to the running program.
    std::function<void()> applyClipboardTimer = [] {};  // ClearClipboard, ClearSeconds
    std::function<void()> applyTrayIcon = [] {};        // SysTrayIcon
    std::function<void()> applyTransparency = [] {};    // Transparency of quick access
    std::function<void()> applySkin = [] {};            // SkinDialog
    // Column names, sets or category names changed: the editor rebuilds its columns and
    // shows its folder again.
    std::function<void()> editorSettingsChanged = [] {};
    // SkinDialog changed: the editor takes the new look at once.
    std::function<void()> editorSkinChanged = [] {};
};

}  // namespace vk
