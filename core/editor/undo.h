#pragma once
#include <optional>
#include <string>

#include "core/store/password_store.h"

namespace vk {

class CFolderTree;

// Before a record operation: the folder table as it stands, deleted folders included.
void TakeRecordSnapshot(CPasswordStore& store, std::string label);

// Before a folder operation: the live folders in tree order (parents before children), each
// with its path as the tree gives it. Deleted folders are left out.
void TakeFolderSnapshot(CPasswordStore& store, const CFolderTree& tree, std::string label);

// Puts the newest undo step back in place of the folder table and marks the store modified.
// The tree is rebuilt from the restored table whenever it no longer matches it (always after
// a folder step), keeping which folders were expanded. Nothing when no step is left.
// Returns the kind of step undone and whether the tree was rebuilt.
struct UndoResult {
    UndoKind kind = UndoKind::kRecord;
    bool treeRebuilt = false;
};
std::optional<UndoResult> Undo(CPasswordStore& store, CFolderTree& tree);

// The text of the Undo menu items: "&Undo" while nothing can be undone, else "&Undo " and the
// newest step's label (a label over 31 bytes cut to 28 and ended with "..."; ampersands
// doubled so that they show).
std::string UndoMenuText(const CUndoRing& ring);

// Whether every node of the tree names a live folder whose path is the node's path, and every
// live folder has a node: then folder indexes in the windows still mean what they meant.
bool TreeMatchesStore(const CFolderTree& tree, const CPasswordStore& store);

}  // namespace vk
