#pragma once

// Texts of export, import and their sheet, word for word.
namespace vk::msg {

// The sheet.
inline constexpr const char kImportExportCaption[] = "Import/Export";
inline constexpr const char kExportTab[] = "Export";
inline constexpr const char kImportTab[] = "Import";
inline constexpr const char kSheetClose[] = "Close";
inline constexpr const char kSelectAll[] = "Select all";
inline constexpr const char kSelectNone[] = "Select none";

// Export.
inline constexpr const char kExportFoldersFrame[] = "Select folders for export";
inline constexpr const char kExportItemsFrame[] = "Select items for export";
inline constexpr const char kExportOptionsFrame[] = "Export options";
inline constexpr const char kExportFileButton[] = "Export file...";
inline constexpr const char kFolderNames[] = "Folder names";
inline constexpr const char kIncludeHeading[] = "Include column heading";
inline constexpr const char kExportFileTitle[] = "Export password file";
inline constexpr const char kExportFilterName[] = "Export";
inline constexpr const char kCsvExtension[] = ".csv";
inline constexpr const char kTextFilesFilter[] = "Text files (*.txt)|*.txt|";
inline constexpr const char kCouldNotOpenExport[] = "Could not open the file.";
// An export never takes the place of the password file it was made from; the file's path
// and a full stop follow.
inline constexpr const char kExportOverPasswordFile[] =
    "The export cannot replace the password file ";
inline constexpr const char kExportWarningCaption[] = "Export";
inline constexpr const char kExportWarningFrame[] = "Warning";
inline constexpr const char kExportComplete[] = "Export Complete";
inline constexpr const char kExportWarning[] =
    "Files that have been exported are not encrypted and may contain password or other "
    "information that you wish to be kept private.\n\nYou should delete the exported file as "
    "soon as possible.";
// The heading's first item when the folder column is written.
inline constexpr const char kFolderHeading[] = "Folder";

// Import.
inline constexpr const char kImportFolderFrame[] = "Select folder to import to";
inline constexpr const char kImportFieldList[] = "Vaultkeep items";
inline constexpr const char kImportOrderList[] = "Import file order";
inline constexpr const char kSkipImportLines[] = "Skip import lines";
inline constexpr const char kImportFileButton[] = "Import file...";
inline constexpr const char kSkipField[] = "Skip field";
inline constexpr const char kSelectImportFolder[] = "You must select a folder to import to.";
inline constexpr const char kImportFileTitle[] = "Import password file";
inline constexpr const char kImportFilterName[] = "Import";
inline constexpr const char kCouldNotOpenImport[] = "Could not open the import file.";
inline constexpr const char kCouldNotReadImport[] = "Could not read the import file.";
inline constexpr const char kImportedFormat[] = "%u records were imported.";
inline constexpr const char kNothingImported[] = "There were no records imported.";
// Stand in for the system's text when an import file is beyond what the program reads.
inline constexpr const char kImportTooLarge[] = "File too large";
inline constexpr const char kImportTooManyFormat[] = "The file holds more than %u records.";

}  // namespace vk::msg
