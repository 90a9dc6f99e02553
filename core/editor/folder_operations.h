#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/editor/folder_tree.h"
#include "core/shell/user_prompt.h"

namespace vk {

class CPasswordStore;

// Takes an undo step before an operation changes anything: `label` names the step,
// `folderStep` says a folder operation took it (undoing it rebuilds the tree). The editor
// hands its undo ring in; the command-line tool keeps no undo and leaves it empty.
using TakeSnapshot = std::function<void(const std::string& label, bool folderStep)>;

enum class FolderNameCheck {
    kAccepted,
    kUnchanged,  // a folder keeps the name it has: nothing to do
    kEmpty,
    kTaken,  // another folder at the same level has exactly this name
    kTilde,  // the path separator
    kLineBreak,
    kTooLong,  // the folder's path, or that of a folder below it, would pass the limit
};

// Checks `name` for a new folder under `parent` (null: the top level), or for `self` when it
// is renamed (then `parent` is ignored). Only the other folders at that level count as
// duplicates, by exact comparison; every path below a renamed folder is measured too.
FolderNameCheck CheckFolderName(const CFolderTree& tree, const CFolderTree::Node* parent,
                                const CFolderTree::Node* self, const std::string& name);

// The editor's message for a refused name (empty for kAccepted, kUnchanged), and showing it:
// the length message carries the stop icon. The editor shows nothing for an empty name; a
// script is told with `explainEmpty`.
std::string FolderNameMessage(FolderNameCheck check);
void ShowFolderNameRefusal(IUserPrompt& prompt, FolderNameCheck check, bool explainEmpty);

// A new folder's category: its parent's as shown, or `defaultCategory` at the top level.
std::int32_t NewFolderCategory(const CFolderTree::Node* parent, const CPasswordStore& store,
                               std::int32_t defaultCategory);

// Adds a live folder without records as the last child of `parent` (null: the top level) and
// marks the store modified. Adding takes no undo step. Check the name first.
CFolderTree::Node* CreateFolder(CPasswordStore& store, CFolderTree& tree, CFolderTree::Node* parent,
                                const std::string& name, std::int32_t category);

// Renames `node`, after the undo step "rename folder: " and the old name, and gives its folder
// and every folder below it their new paths. Check the name first; an unchanged name does
// nothing.
void RenameFolder(CPasswordStore& store, CFolderTree::Node* node, const std::string& name,
                  const TakeSnapshot& snapshot);

// The question asked before a folder goes.
std::string DeleteFolderQuestion(const std::string& name);
// Deletes `node` with every folder and record below it, after the undo step "delete folder: "
// and its name. The folders' slots stay (indexes keep their meaning) but are no longer live.
void DeleteFolder(CPasswordStore& store, CFolderTree& tree, CFolderTree::Node* node,
                  const TakeSnapshot& snapshot);

// Gives the folder of `node` category 1 to 4 (others count as 1). Marks the store modified:
// the category is saved with the file.
void SetFolderCategory(CPasswordStore& store, const CFolderTree::Node* node, std::int32_t category);

// The first folder, in display order, whose path is `path` (as `ls` shows it: the stored bytes
// or their UTF-8 form).
CFolderTree::Node* FindFolderByPath(const CFolderTree& tree, const CPasswordStore& store,
                                    const std::string& path);

}  // namespace vk
