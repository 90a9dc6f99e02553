#pragma once

// The editor window's own texts, word for word.
namespace vk::msg {

// Status line.
inline constexpr const char kFolderStatusFormat[] = "Folder: %s    Records: %u";
inline constexpr const char kColumnsStatusFormat[] = "Columns: %s";

// The "Folders" header above the tree.
inline constexpr const char kFoldersHeader[] = "Folders";

// Folder drag in the tree.
inline constexpr const char kFolderOntoChild[] =
    "A folder can't be dropped onto one of its children";
inline constexpr const char kFolderNameTaken[] = "An entry with that name already exists";
inline constexpr const char kFolderPathTooLongFormat[] =
    "The full length of this folder exceeds the maximum size of %u characters.\nPlease shorten "
    "the name or create a new non-subfolder.";
inline constexpr unsigned kFolderPathLimitShown = 260;

// Undo labels of the operations this window carries out.
inline constexpr const char kUndoMoveFolder[] = "move folder: ";
inline constexpr const char kUndoCopyRecords[] = "Copy records";
inline constexpr const char kUndoMoveRecords[] = "Move records";

// The menu shown when records are dropped with the right button.
inline constexpr const char kDropCopy[] = "&Copy";
inline constexpr const char kDropMove[] = "&Move";
inline constexpr const char kDropCancel[] = "Ca&ncel";

// The warning before records go to a folder of another category.
inline constexpr const char kCategoryWarning1[] =
    "You are about to move/copy an item to a folder assigned to a different category. The new "
    "folder may not display some of the columns in the original folder.";
inline constexpr const char kCategoryWarning2[] =
    "Your data will not be lost, but it will not be visible unless you add these other columns "
    "to the display.";
inline constexpr const char kCategoryWarning3[] =
    "Press OK to continue with the operation or\n Cancel to leave the record in the current "
    "folder.";
inline constexpr const char kCategoryWarningSuppress[] =
    "Suppress this warning for the remainder of this session.";

// Context menus.
inline constexpr const char kSetColumnsMenu[] = "Set &columns";

}  // namespace vk::msg
