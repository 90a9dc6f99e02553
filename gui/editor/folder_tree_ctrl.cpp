#include "gui/editor/folder_tree_ctrl.h"

#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// Item data: the model node shown by the item and its folder index. Valid until the next
// Fill, which replaces every item.
class FolderItemData : public wxTreeItemData {
  public:
    explicit FolderItemData(CFolderTree::Node* node) : node(node) {}
    CFolderTree::Node* node;
};

}  // namespace

CFolderTreeCtrl::CFolderTreeCtrl(wxWindow* parent, wxWindowID id)
    : wxTreeCtrl(
          parent, id, wxDefaultPosition, wxDefaultSize,
          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_EDIT_LABELS) {
    Bind(wxEVT_TREE_ITEM_EXPANDED, &CFolderTreeCtrl::OnExpansionChanged, this);
    Bind(wxEVT_TREE_ITEM_COLLAPSED, &CFolderTreeCtrl::OnExpansionChanged, this);
}

void CFolderTreeCtrl::Fill(CFolderTree& model) {
    model_ = &model;
    Freeze();
    DeleteAllItems();
    root_ = AddRoot("");
    AddChildren(root_, model.TopLevel());
    wxTreeItemIdValue cookie;
    for (auto item = GetFirstChild(root_, cookie); item.IsOk(); item = GetNextChild(root_, cookie))
        ApplyExpansion(item);
    Thaw();
}

void CFolderTreeCtrl::AddChildren(const wxTreeItemId& parent,
                                  const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes) {
    for (const auto& node : nodes) {
        const wxTreeItemId item =
            AppendItem(parent, ToWx(node->name), -1, -1, new FolderItemData(node.get()));
        AddChildren(item, node->children);
    }
}

CFolderTree::Node* CFolderTreeCtrl::NodeOf(const wxTreeItemId& item) const {
    if (!item.IsOk() || item == root_) return nullptr;
    auto* data = static_cast<FolderItemData*>(GetItemData(item));
    return data ? data->node : nullptr;
}

int CFolderTreeCtrl::FolderIndexOf(const wxTreeItemId& item) const {
    const CFolderTree::Node* node = NodeOf(item.IsOk() ? item : GetSelection());
    return node ? node->folderIndex : -1;
}

wxTreeItemId CFolderTreeCtrl::FindByFolderIndex(int folderIndex) const {
    if (!root_.IsOk() || folderIndex < 0) return {};
    // Pre-order over the items, as the model is walked.
    std::vector<wxTreeItemId> stack{root_};
    while (!stack.empty()) {
        const wxTreeItemId item = stack.back();
        stack.pop_back();
        if (const auto* node = NodeOf(item); node && node->folderIndex == folderIndex) return item;
        std::vector<wxTreeItemId> children;
        wxTreeItemIdValue cookie;
        for (auto c = GetFirstChild(item, cookie); c.IsOk(); c = GetNextChild(item, cookie))
            children.push_back(c);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return {};
}

void CFolderTreeCtrl::ApplyExpansion(const wxTreeItemId& item) {
    const CFolderTree::Node* node = NodeOf(item);
    if (!node) return;
    wxTreeItemIdValue cookie;
    for (auto c = GetFirstChild(item, cookie); c.IsOk(); c = GetNextChild(item, cookie))
        ApplyExpansion(c);
    if (node->expanded && !IsExpanded(item) && ItemHasChildren(item)) Expand(item);
    if (!node->expanded && IsExpanded(item)) Collapse(item);
}

void CFolderTreeCtrl::ExpandAllFolders() {
    if (!model_) return;
    CFolderTree::ExpandAll(model_->First());
    wxTreeItemIdValue cookie;
    for (auto item = GetFirstChild(root_, cookie); item.IsOk(); item = GetNextChild(root_, cookie))
        ApplyExpansion(item);
}

void CFolderTreeCtrl::CollapseAllFolders() {
    if (!model_) return;
    model_->CollapseAll();
    wxTreeItemIdValue cookie;
    for (auto item = GetFirstChild(root_, cookie); item.IsOk(); item = GetNextChild(root_, cookie))
        ApplyExpansion(item);
}

void CFolderTreeCtrl::OnExpansionChanged(wxTreeEvent& event) {
    if (CFolderTree::Node* node = NodeOf(event.GetItem()))
        node->expanded = event.GetEventType() == wxEVT_TREE_ITEM_EXPANDED;
    event.Skip();
}

}  // namespace vk
