#pragma once

// The texts of folder and record editing and of item search, word for word.
namespace vk::msg {

// Folder names.
inline constexpr const char kNewFolderName[] = "New folder";
// The editor only ignores an empty name; a script is told.
inline constexpr const char kFolderNameEmpty[] = "A folder name cannot be empty.";
inline constexpr const char kFolderNameLineBreak[] = "A folder name cannot hold a line break.";

// Questions before deleting.
inline constexpr const char kDeleteFolderFormat[] =
    "Are you sure you want to delete the %s folder\nincluding all subfolders and passwords?";
inline constexpr const char kDeleteRecordFormat[] =
    "Are you sure you want to delete the information for %s ?";
inline constexpr const char kDeleteSelectedRecords[] =
    "Are you sure you want to delete the selected information?";
inline constexpr const char kSelectedItemsName[] = "the selected items";

// Undo labels; a name or an old cell text follows those that end in a blank.
inline constexpr const char kUndoRenameFolder[] = "rename folder: ";
inline constexpr const char kUndoDeleteFolder[] = "delete folder: ";
inline constexpr const char kUndoDeleteRecord[] = "delete record";
inline constexpr const char kUndoDeleteRecords[] = "delete records";
inline constexpr const char kUndoEditCell[] = "edit ";
inline constexpr const char kUndoCutCell[] = "delete ";
inline constexpr const char kUndoClearCell[] = "clear ";

// Cell editing.
inline constexpr const char kDateKeysHint[] = "Use arrow keys, Enter, or ESC for date fields";
inline constexpr const char kMailtoPrefix[] = "mailto:";

// Field values given by a script.
inline constexpr const char kFieldTooLongFormat[] = "The %s field holds at most %u bytes.";
inline constexpr const char kFieldLineBreakFormat[] =
    "The %s field cannot hold a line break; only Notes can.";
inline constexpr const char kNotADateFormat[] =
    "\"%s\" is not a date: give YYYY-MM-DD, or nothing to clear the date.";

}  // namespace vk::msg
