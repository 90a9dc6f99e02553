#pragma once
#include <optional>
#include <string>

#include "core/settings/recent_files.h"
#include "core/settings/settings.h"
#include "core/settings/settings_storage.h"
#include "core/settings/window_position.h"
#include "core/shell/user_prompt.h"
#include "core/ui/toolbar_layout.h"

namespace vk {

// Reads the settings from their storage and writes them back. Every value read is checked:
// a missing value or one that is no number keeps the setting as it was (the default at
// start-up), numbers out of range are brought into range, texts are cut to the read buffer.
//
// Writes report failure as 0 and show "Unable to save changes to the registry." the first
// time only: the application keeps one store for the whole run, so the message appears once
// per run however often saving fails.
class CSettingsStore {
  public:
    CSettingsStore(ISettingsStorage& storage, IUserPrompt& prompt, FileExistsCheck fileExists);

    // Every value of the settings table in table order, then the column sets, the column
    // names and icons and the category names.
    void LoadSettings(CSettings& settings);
    // The same values in the same order, except the window position and the recent files.
    int SaveSettings(const CSettings& settings);
    // The stored values over edited ones (Cancel of the options): what is not stored returns
    // to its default. What belongs to the run rather than to the options stays: the open
    // file, its encryption, the recent files, the first-start flag, and what windows change
    // outside the options (toolbar shown, search options, quick access pinned).
    void ReloadSettings(CSettings& settings);

    void LoadColumnSets(CSettings& settings);
    int SaveColumnSets(const CSettings& settings);
    void LoadCategoryNames(CSettings& settings);
    int SaveCategoryNames(const CSettings& settings);
    // Loading first returns all names and icons to their defaults.
    void LoadColumnNamesAndIcons(CSettings& settings);
    int SaveColumnNamesAndIcons(const CSettings& settings);

    // Keeps, in order, the stored recent files that still exist.
    void LoadRecentFiles(CSettings& settings);
    // Puts `path` first, cleans the list and writes it. Stored entries beyond the new length
    // stay as they were.
    int AddRecentFile(CSettings& settings, const std::string& path);

    std::optional<WindowRect> LoadWindowPosition();
    int SaveWindowPosition(const WindowRect& rect);
    // A splitter bar's rectangle in its window ("Splitter1", "Splitter2"), stored as the
    // window position is.
    std::optional<WindowRect> LoadSplitter(const char* name);
    int SaveSplitter(const char* name, const WindowRect& rect);

    // The toolbar's saved layout; nothing when none is stored or it cannot be read.
    std::optional<ToolbarLayout> LoadToolbarLayout();
    int SaveToolbarLayout(const ToolbarLayout& layout);

  private:
    std::optional<std::string> Text(const std::string& name);
    // A stored number that fits a 32-bit value; nothing for anything else.
    std::optional<std::uint32_t> Number(const std::string& name);
    void ReadFlag(const char* name, bool& flag);
    void ReadRanged(const char* name, std::uint32_t& value, std::uint32_t max);

    void ReadColumnSets(CSettings& settings);
    void ReadColumnNamesAndIcons(CSettings& settings);
    void ReadCategoryNames(CSettings& settings);
    bool WriteColumnSets(const CSettings& settings);
    bool WriteColumnNamesAndIcons(const CSettings& settings);
    bool WriteCategoryNames(const CSettings& settings);

    // Opens the storage for writing, runs `write` and commits; reports a failure once.
    template <typename Write>
    int Save(Write write);

    ISettingsStorage& storage_;
    IUserPrompt& prompt_;
    FileExistsCheck fileExists_;
    bool saveFailureShown_ = false;
};

}  // namespace vk
