#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/column_set.h"
#include "core/store/password_store.h"

namespace vk {

constexpr int kCategoryNameCount = 5;  // the fifth is kept but names no category
constexpr std::uint32_t kMaxTransparency = 255;
constexpr std::uint32_t kSearchOptionBits = 3;      // bit 0 ignore case, bit 1 match a part
constexpr std::uint32_t kMaxExpirationDays = 9999;  // the option takes four digits
// The clipboard timer counts milliseconds in a signed 32-bit number.
constexpr std::uint32_t kMaxClearSeconds = 2147483;

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RgbColour& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// Every user setting, holding its default until the settings are loaded. The options pages
// edit these in memory; CSettingsStore reads and writes them.
struct CSettings {
    std::string lastFile;
    std::uint32_t searchOptions = 3;
    std::uint32_t transparency = 255;
    bool startWithWindows = false;
    bool sysTrayIcon = true;
    std::uint32_t expirationDays = 0;
    bool showToolbar = true;
    bool encryptFiles = true;
    bool sendTab = true;
    bool clearClipboard = false;
    std::uint32_t clearSeconds = 30;
    bool mask = true;
    bool autosizeCol = false;
    bool pinTrayDlg = false;
    // Set until the settings hold `Init`; saved as `Init`.
    bool firstStart = true;
    bool doubleClick = false;
    bool skinDialog = true;
    bool autoComplete = true;
    std::int32_t defaultCategory = kCategoryDefault;
    // Read at start-up and written back untouched.
    std::string reportColumns = "1,1,1,1,1,1,1";

    std::array<ColumnSet, kCategoryCount> columnSets = DefaultColumnSets();
    // The column sets as the settings file held them. A set still reading as its stored text
    // is written back as that text, so slots naming no list field and other oddities the
    // program ignores survive a save of settings the user did not change.
    std::array<std::string, kCategoryCount> storedColumnSets;
    std::array<std::string, kCategoryNameCount> categoryNames = DefaultCategoryNames();
    std::array<std::string, kFieldCount> columnNames = DefaultColumnNames();
    std::array<std::int32_t, kListFieldCount> columnIcons = DefaultColumnIcons();

    std::vector<std::string> recentFiles;  // most recent first

    RgbColour dialogBackground{240, 240, 248};

    // The column set of a category; a category outside 1..4 counts as the first.
    const ColumnSet& ColumnsOf(std::int32_t category) const;
    ColumnSet& ColumnsOf(std::int32_t category);

    static std::array<ColumnSet, kCategoryCount> DefaultColumnSets();
    static std::array<std::string, kCategoryNameCount> DefaultCategoryNames();
    static std::array<std::string, kFieldCount> DefaultColumnNames();
    static std::array<std::int32_t, kListFieldCount> DefaultColumnIcons();
};

// The bitmaps a column can show, in table order; position i is field i's default icon.
inline constexpr std::array<std::int32_t, kListFieldCount> kColumnIconTable = {
    185, 183, 184, 256, 257, 258, 259, 260, 261, 214, 215};

}  // namespace vk
