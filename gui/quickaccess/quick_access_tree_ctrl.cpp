#include "gui/quickaccess/quick_access_tree_ctrl.h"

#include "gui/ui/wx_text.h"

namespace vk {
namespace {

class NodeData : public wxTreeItemData {
  public:
    explicit NodeData(int node) : node(node) {}
    int node;
};

}  // namespace

CQuickAccessTreeCtrl::CQuickAccessTreeCtrl(wxWindow* parent, wxWindowID id, const wxPoint& at,
                                           const wxSize& size)
    : wxTreeCtrl(
          parent, id, at, size,
          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_NONE) {}

void CQuickAccessTreeCtrl::Fill(const CQuickAccessTree& model) {
    Freeze();
    DeleteAllItems();
    items_.assign(model.Size(), wxTreeItemId());
    root_ = AddRoot("");
    // Parents always come before their children in the model.
    for (std::size_t i = 0; i < model.Size(); ++i) {
        const int id = static_cast<int>(i);
        const CQuickAccessTree::Node& node = model.At(id);
        const wxTreeItemId parent = node.parent == CQuickAccessTree::kNone
                                        ? root_
                                        : items_[static_cast<std::size_t>(node.parent)];
        const bool folder = !node.hasData || node.data.isFolder;
        const int selected = folder ? CQuickAccessTree::kSelectedFolderImage : node.image;
        items_[i] =
            AppendItem(parent, ToWx(model.DisplayText(id)), node.image, selected, new NodeData(id));
    }
    Thaw();
}

int CQuickAccessTreeCtrl::NodeOf(const wxTreeItemId& item) const {
    const wxTreeItemId which = item.IsOk() ? item : GetSelection();
    if (!which.IsOk() || which == root_) return CQuickAccessTree::kNone;
    const auto* data = static_cast<NodeData*>(GetItemData(which));
    return data ? data->node : CQuickAccessTree::kNone;
}

wxTreeItemId CQuickAccessTreeCtrl::ItemOf(int node) const {
    if (node < 0 || static_cast<std::size_t>(node) >= items_.size()) return {};
    return items_[static_cast<std::size_t>(node)];
}

void CQuickAccessTreeCtrl::SelectNode(int node) {
    const wxTreeItemId item = ItemOf(node);
    if (!item.IsOk()) return;
    for (wxTreeItemId p = GetItemParent(item); p.IsOk() && p != root_; p = GetItemParent(p))
        Expand(p);
    if (ItemHasChildren(item)) Expand(item);
    SelectItem(item);
    EnsureVisible(item);
}

void CQuickAccessTreeCtrl::CollapseAllItems() {
    if (!root_.IsOk()) return;
    wxTreeItemIdValue cookie;
    for (auto item = GetFirstChild(root_, cookie); item.IsOk(); item = GetNextChild(root_, cookie))
        CollapseExpanded(item);
}

void CQuickAccessTreeCtrl::CollapseExpanded(const wxTreeItemId& item) {
    if (!ItemHasChildren(item) || !IsExpanded(item)) return;
    wxTreeItemIdValue cookie;
    for (auto child = GetFirstChild(item, cookie); child.IsOk(); child = GetNextChild(item, cookie))
        CollapseExpanded(child);
    Collapse(item);
}

}  // namespace vk
