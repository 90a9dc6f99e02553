#include "core/settings/settings_store.h"

#include <limits>
#include <utility>

#include "core/settings/settings_names.h"
#include "core/settings/stored_value.h"

namespace vk {

using namespace setting;

CSettingsStore::CSettingsStore(ISettingsStorage& storage, IUserPrompt& prompt,
                               FileExistsCheck fileExists)
    : storage_(storage), prompt_(prompt), fileExists_(std::move(fileExists)) {}

std::optional<std::string> CSettingsStore::Text(const std::string& name) {
    auto text = storage_.ReadText(name);
    if (!text) return std::nullopt;
    return CutStoredText(*text);
}

std::optional<std::uint32_t> CSettingsStore::Number(const std::string& name) {
    const auto number = storage_.ReadNumber(name);
    if (!number || *number < 0 || *number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*number);
}

void CSettingsStore::ReadFlag(const char* name, bool& flag) {
    if (const auto number = Number(name)) flag = *number != 0;
}

void CSettingsStore::ReadRanged(const char* name, std::uint32_t& value, std::uint32_t max) {
    if (const auto number = Number(name)) value = *number > max ? max : *number;
}

// ---------------------------------------------------------------------------------------------
// The whole table

void CSettingsStore::LoadSettings(CSettings& s) {
    if (!storage_.OpenForRead()) return;
    if (auto text = Text(kLastFile)) s.lastFile = *text;
    if (const auto options = Number(kSearchOptions)) s.searchOptions = *options & kSearchOptionBits;
    ReadRanged(kTransparency, s.transparency, kMaxTransparency);
    ReadFlag(kStartWithWindows, s.startWithWindows);
    ReadFlag(kSysTrayIcon, s.sysTrayIcon);
    ReadRanged(kExpirationDays, s.expirationDays, kMaxExpirationDays);
    ReadFlag(kShowToolbar, s.showToolbar);
    ReadFlag(kEncryptFiles, s.encryptFiles);
    ReadFlag(kSendTab, s.sendTab);
    ReadFlag(kClearClipboard, s.clearClipboard);
    ReadRanged(kClearSeconds, s.clearSeconds, kMaxClearSeconds);
    ReadFlag(kMask, s.mask);
    ReadFlag(kAutosizeCol, s.autosizeCol);
    ReadFlag(kPinTrayDlg, s.pinTrayDlg);
    // Whatever it holds, a stored Init means the program has run before.
    if (storage_.HasValue(kInit)) s.firstStart = false;
    ReadFlag(kDoubleClick, s.doubleClick);
    ReadFlag(kSkinDialog, s.skinDialog);
    ReadFlag(kAutoComplete, s.autoComplete);
    if (storage_.HasValue(kDefaultCategory)) {
        const auto category = Number(kDefaultCategory);
        s.defaultCategory =
            NormaliseCategory(category && *category <= static_cast<std::uint32_t>(kCategoryCount)
                                  ? static_cast<std::int32_t>(*category)
                                  : kCategoryDefault);
    }
    if (auto text = Text(kReportColumns)) s.reportColumns = *text;

    ReadColumnSets(s);
    ReadColumnNamesAndIcons(s);
    ReadCategoryNames(s);
}

int CSettingsStore::SaveSettings(const CSettings& s) {
    return Save([&] {
        bool ok = true;
        auto flag = [&](const char* name, bool value) {
            ok = storage_.WriteNumber(name, value ? 1 : 0) && ok;
        };
        auto number = [&](const char* name, std::uint32_t value) {
            ok = storage_.WriteNumber(name, value) && ok;
        };
        if (!s.lastFile.empty()) ok = storage_.WriteText(kLastFile, s.lastFile) && ok;
        number(kSearchOptions, s.searchOptions);
        number(kTransparency, s.transparency);
        flag(kStartWithWindows, s.startWithWindows);
        flag(kSysTrayIcon, s.sysTrayIcon);
        number(kExpirationDays, s.expirationDays);
        flag(kShowToolbar, s.showToolbar);
        flag(kEncryptFiles, s.encryptFiles);
        flag(kSendTab, s.sendTab);
        flag(kClearClipboard, s.clearClipboard);
        number(kClearSeconds, s.clearSeconds);
        flag(kMask, s.mask);
        flag(kAutosizeCol, s.autosizeCol);
        flag(kPinTrayDlg, s.pinTrayDlg);
        flag(kInit, s.firstStart);
        flag(kDoubleClick, s.doubleClick);
        flag(kSkinDialog, s.skinDialog);
        flag(kAutoComplete, s.autoComplete);
        number(kDefaultCategory, static_cast<std::uint32_t>(NormaliseCategory(s.defaultCategory)));
        ok = storage_.WriteText(kReportColumns, s.reportColumns) && ok;
        ok = WriteColumnSets(s) && ok;
        ok = WriteColumnNamesAndIcons(s) && ok;
        return WriteCategoryNames(s) && ok;
    });
}

void CSettingsStore::ReloadSettings(CSettings& s) {
    CSettings fresh;
    fresh.firstStart = s.firstStart;
    LoadSettings(fresh);
    fresh.lastFile = std::move(s.lastFile);
    fresh.encryptFiles = s.encryptFiles;
    fresh.recentFiles = std::move(s.recentFiles);
    fresh.showToolbar = s.showToolbar;
    fresh.searchOptions = s.searchOptions;
    fresh.pinTrayDlg = s.pinTrayDlg;
    fresh.dialogBackground = s.dialogBackground;
    s = std::move(fresh);
}

template <typename Write>
int CSettingsStore::Save(Write write) {
    bool ok = storage_.OpenForWrite();
    if (ok) {
        ok = write();
        ok = storage_.Commit() && ok;
    }
    if (ok) return 1;
    if (!saveFailureShown_) {
        saveFailureShown_ = true;
        prompt_.ShowError(msg::kUnableToSaveRegistry);
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Column sets, names, icons and categories

void CSettingsStore::LoadColumnSets(CSettings& s) {
    if (storage_.OpenForRead()) ReadColumnSets(s);
}

void CSettingsStore::ReadColumnSets(CSettings& s) {
    for (unsigned category = 1; category <= kCategoryCount; ++category) {
        ColumnSet& set = s.columnSets[category - 1];
        set.fill(kEmptySlot);
        std::string& stored = s.storedColumnSets[category - 1];
        stored.clear();
        if (auto text = Text(NumberedName(kColumnsStem, category))) {
            stored = *text;
            set = ParseColumnSet(stored);
        }
        // A set without a single column is unusable: start over with every default, and let
        // the later categories still take their stored sets.
        if (!HasAnyColumn(set)) s.columnSets = CSettings::DefaultColumnSets();
    }
}

int CSettingsStore::SaveColumnSets(const CSettings& s) {
    return Save([&] { return WriteColumnSets(s); });
}

bool CSettingsStore::WriteColumnSets(const CSettings& s) {
    bool ok = true;
    for (unsigned category = 1; category <= kCategoryCount; ++category) {
        const ColumnSet& set = s.columnSets[category - 1];
        const std::string& stored = s.storedColumnSets[category - 1];
        const bool unchanged = !stored.empty() && ParseColumnSet(stored) == set;
        ok = storage_.WriteText(NumberedName(kColumnsStem, category),
                                unchanged ? stored : FormatColumnSet(set)) &&
             ok;
    }
    return ok;
}

void CSettingsStore::LoadCategoryNames(CSettings& s) {
    if (storage_.OpenForRead()) ReadCategoryNames(s);
}

void CSettingsStore::ReadCategoryNames(CSettings& s) {
    for (unsigned i = 0; i < kCategoryNameCount; ++i) {
        if (auto text = Text(NumberedName(kCategoryNameStem, i))) s.categoryNames[i] = *text;
    }
}

int CSettingsStore::SaveCategoryNames(const CSettings& s) {
    return Save([&] { return WriteCategoryNames(s); });
}

bool CSettingsStore::WriteCategoryNames(const CSettings& s) {
    bool ok = true;
    for (unsigned i = 0; i < kCategoryNameCount; ++i) {
        ok = storage_.WriteText(NumberedName(kCategoryNameStem, i), s.categoryNames[i]) && ok;
    }
    return ok;
}

void CSettingsStore::LoadColumnNamesAndIcons(CSettings& s) {
    if (storage_.OpenForRead()) ReadColumnNamesAndIcons(s);
}

void CSettingsStore::ReadColumnNamesAndIcons(CSettings& s) {
    s.columnNames = CSettings::DefaultColumnNames();
    s.columnIcons = CSettings::DefaultColumnIcons();
    for (unsigned field = 0; field < kListFieldCount; ++field) {
        if (auto text = Text(NumberedName(kColumnNameStem, field))) s.columnNames[field] = *text;
        // An identifier outside the icon table is kept: it shows the table's first icon.
        if (auto text = Text(NumberedName(kColumnIconStem, field))) {
            const auto icon = ParseStoredNumber(*text);
            if (icon && *icon >= std::numeric_limits<std::int32_t>::min() &&
                *icon <= std::numeric_limits<std::int32_t>::max()) {
                s.columnIcons[field] = static_cast<std::int32_t>(*icon);
            }
        }
    }
}

int CSettingsStore::SaveColumnNamesAndIcons(const CSettings& s) {
    return Save([&] { return WriteColumnNamesAndIcons(s); });
}

bool CSettingsStore::WriteColumnNamesAndIcons(const CSettings& s) {
    bool ok = true;
    for (unsigned field = 0; field < kListFieldCount; ++field) {
        ok = storage_.WriteText(NumberedName(kColumnNameStem, field), s.columnNames[field]) && ok;
        ok = storage_.WriteText(NumberedName(kColumnIconStem, field),
                                std::to_string(s.columnIcons[field])) &&
             ok;
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Recent files and window position

void CSettingsStore::LoadRecentFiles(CSettings& s) {
    s.recentFiles.clear();
    if (!storage_.OpenForRead()) return;
    for (unsigned i = 1; i <= kMaxRecentFiles; ++i) {
        auto path = Text(NumberedName(kRecentFileStem, i));
        if (path && !path->empty() && fileExists_(*path)) s.recentFiles.push_back(*path);
    }
}

int CSettingsStore::AddRecentFile(CSettings& s, const std::string& path) {
    s.recentFiles = WithRecentFile(s.recentFiles, path, fileExists_);
    return Save([&] {
        bool ok = true;
        for (std::size_t i = 0; i < s.recentFiles.size(); ++i) {
            ok = storage_.WriteText(NumberedName(kRecentFileStem, static_cast<unsigned>(i + 1)),
                                    s.recentFiles[i]) &&
                 ok;
        }
        return ok;
    });
}

std::optional<WindowRect> CSettingsStore::LoadWindowPosition() {
    if (!storage_.OpenForRead()) return std::nullopt;
    auto text = Text(kWindowPosition);
    if (!text) return std::nullopt;
    return ParseWindowPosition(*text);
}

int CSettingsStore::SaveWindowPosition(const WindowRect& rect) {
    return Save([&] { return storage_.WriteText(kWindowPosition, FormatWindowPosition(rect)); });
}

std::optional<WindowRect> CSettingsStore::LoadSplitter(const char* name) {
    if (!storage_.OpenForRead()) return std::nullopt;
    auto text = Text(name);
    if (!text) return std::nullopt;
    return ParseWindowPosition(*text);
}

int CSettingsStore::SaveSplitter(const char* name, const WindowRect& rect) {
    return Save([&] { return storage_.WriteText(name, FormatWindowPosition(rect)); });
}

std::optional<ToolbarLayout> CSettingsStore::LoadToolbarLayout() {
    if (!storage_.OpenForRead()) return std::nullopt;
    const auto bytes = storage_.ReadBytes(kToolbarLayoutName);
    if (!bytes) return std::nullopt;
    return DecodeToolbarLayout(*bytes);
}

int CSettingsStore::SaveToolbarLayout(const ToolbarLayout& layout) {
    return Save(
        [&] { return storage_.WriteBytes(kToolbarLayoutName, EncodeToolbarLayout(layout)); });
}

}  // namespace vk
