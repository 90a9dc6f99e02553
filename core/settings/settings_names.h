#pragma once

// Where the settings live and what their values are called. The names are the program's
// interface to the settings key and the profile file: changing one loses the users' values.
namespace vk::setting {

inline constexpr const char kVendorName[] = "Quorvane Software";
inline constexpr const char kAppName[] = "Vaultkeep";
inline constexpr const char kRegistryKey[] = "Software\\Quorvane Software\\Vaultkeep";

inline constexpr const char kLastFile[] = "LastFile";
inline constexpr const char kSearchOptions[] = "SearchOptions";
inline constexpr const char kTransparency[] = "Transparency";
inline constexpr const char kStartWithWindows[] = "StartWithWindows";
inline constexpr const char kSysTrayIcon[] = "SysTrayIcon";
inline constexpr const char kExpirationDays[] = "ExpirationDays";
inline constexpr const char kShowToolbar[] = "ShowToolbar";
inline constexpr const char kEncryptFiles[] = "EncryptFiles";
inline constexpr const char kSendTab[] = "SendTab";
inline constexpr const char kClearClipboard[] = "ClearClipboard";
inline constexpr const char kClearSeconds[] = "ClearSeconds";
inline constexpr const char kMask[] = "Mask";
inline constexpr const char kAutosizeCol[] = "AutosizeCol";
inline constexpr const char kPinTrayDlg[] = "PinTrayDlg";
inline constexpr const char kInit[] = "Init";
inline constexpr const char kDoubleClick[] = "DoubleClick";
inline constexpr const char kSkinDialog[] = "SkinDialog";
inline constexpr const char kAutoComplete[] = "AutoComplete";
inline constexpr const char kDefaultCategory[] = "DefaultCategory";
inline constexpr const char kReportColumns[] = "ReportColumns";
inline constexpr const char kWindowPosition[] = "WindowPosition";
// The editor's two splitter bars: between folders and records, and above the field boxes.
inline constexpr const char kSplitter1[] = "Splitter1";
inline constexpr const char kSplitter2[] = "Splitter2";

// Numbered families: the stem followed by the number, as "%s%u" makes them.
inline constexpr const char kColumnsStem[] = "Columns";
inline constexpr const char kCategoryNameStem[] = "CategoryName";
inline constexpr const char kColumnNameStem[] = "ColumnName";
inline constexpr const char kColumnIconStem[] = "ColumnIcon";
inline constexpr const char kRecentFileStem[] = "RecentFile";

// The profile file beside the program and its one section.
inline constexpr const char kProfileFileName[] = "Vaultkeep.ini";

}  // namespace vk::setting

namespace vk::msg {

inline constexpr const char kUnableToSaveRegistry[] = "Unable to save changes to the registry.";
inline constexpr const char kErrorWritingProfileFormat[] = "Error writing to file:\n%s";

}  // namespace vk::msg
