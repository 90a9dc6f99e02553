#pragma once
#include <cstddef>
#include <vector>

namespace vk {

class CPasswordStore;
class CFolderTree;

// The rows a record drag carries: the selection in the order rows were first picked, each row
// once, leaving out rows past the folder's end.
std::vector<int> RowsToDrop(const std::vector<unsigned>& selection, std::size_t recordCount);

// Dropping onto no folder or onto the folder the records come from does nothing (the user
// hears the error beep).
bool IsRecordDropTarget(const CPasswordStore& store, int sourceFolder, int targetFolder);

// Whether the two folders show their records under different categories' columns, so the
// user is warned before records go from one to the other.
bool CategoriesDiffer(const CFolderTree& tree, const CPasswordStore& store, int sourceFolder,
                      int targetFolder);

// Copies (or moves) the records at `rows` of the source folder to the end of the target
// folder, after taking the undo step "Copy records" or "Move records". A blank last record of
// the target is filled instead of adding one after it. A move removes exactly the moved
// records from the source. Marks the store modified. False, with nothing changed, when the
// target is no drop target or no row is left to drop.
bool DropRecords(CPasswordStore& store, int sourceFolder, int targetFolder,
                 const std::vector<int>& rows, bool copy);

}  // namespace vk
