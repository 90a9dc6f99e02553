#pragma once
#include <unordered_set>

#include "core/editor/folder_tree.h"

namespace vk {

class CPasswordStore;

// The folders ticked for a report: a tick box per node of the folder tree. Clearing a
// folder clears everything below it; ticking one ticks that folder alone.
class CReportSelection {
  public:
    // Every folder starts ticked.
    explicit CReportSelection(const CFolderTree& tree);

    void TickAll(bool ticked);
    // The box of `node` now shows `ticked`; a cleared box clears the node's subtree too.
    void SetTicked(const CFolderTree::Node* node, bool ticked);
    bool IsTicked(const CFolderTree::Node* node) const { return ticked_.count(node) != 0; }
    // At least one ticked node stands for a folder of `store`.
    bool AnyFolderTicked(const CPasswordStore& store) const;
    const CFolderTree& Tree() const { return tree_; }

  private:
    const CFolderTree& tree_;
    std::unordered_set<const CFolderTree::Node*> ticked_;
};

}  // namespace vk
