#include "core/tools/report_selection.h"

#include <vector>

#include "core/store/password_store.h"

namespace vk {

CReportSelection::CReportSelection(const CFolderTree& tree) : tree_(tree) {
    TickAll(true);
}

void CReportSelection::TickAll(bool ticked) {
    ticked_.clear();
    if (ticked) tree_.ForEachPreOrder([this](CFolderTree::Node& node) { ticked_.insert(&node); });
}

void CReportSelection::SetTicked(const CFolderTree::Node* node, bool ticked) {
    if (!node) return;
    if (ticked) {
        ticked_.insert(node);
        return;
    }
    std::vector<const CFolderTree::Node*> pending{node};
    while (!pending.empty()) {
        const CFolderTree::Node* n = pending.back();
        pending.pop_back();
        ticked_.erase(n);
        for (const auto& child : n->children) pending.push_back(child.get());
    }
}

bool CReportSelection::AnyFolderTicked(const CPasswordStore& store) const {
    for (const CFolderTree::Node* node : ticked_)
        if (store.IsValidFolderIndex(node->folderIndex)) return true;
    return false;
}

}  // namespace vk
