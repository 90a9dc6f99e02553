#include "gui/editor/folder_tree_ctrl.h"

#include <wx/imaglist.h>

#include "gui/editor/drag_image.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kDragTimerId = 25;
constexpr int kFolderImage = 0;
constexpr int kOpenFolderImage = 1;
constexpr int kDragPictureWidth = 216;

// Item data: the model node shown by the item and its folder index. Valid until the next
// Fill, which replaces every item.
class FolderItemData : public wxTreeItemData {
  public:
    explicit FolderItemData(CFolderTree::Node* node) : node(node) {}
    CFolderTree::Node* node;
};

}  // namespace

CFolderTreeCtrl::CFolderTreeCtrl(wxWindow* parent, wxWindowID id)
    : wxTreeCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                     wxTR_EDIT_LABELS | wxBORDER_NONE),
      dragTimer_(this, kDragTimerId) {
    auto* images = new wxImageList(16, 16, true, 2);
    images->Add(art::FolderBitmap());
    images->Add(art::OpenFolderBitmap());
    AssignImageList(images);
    Bind(wxEVT_TREE_ITEM_EXPANDED, &CFolderTreeCtrl::OnExpansionChanged, this);
    Bind(wxEVT_TREE_ITEM_COLLAPSED, &CFolderTreeCtrl::OnExpansionChanged, this);
    Bind(wxEVT_TREE_BEGIN_DRAG, &CFolderTreeCtrl::OnBeginDrag, this);
    Bind(wxEVT_MOTION, &CFolderTreeCtrl::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CFolderTreeCtrl::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CFolderTreeCtrl::OnKeyDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        dragTimer_.Stop();
        dragImage_.reset();
        SetDropTarget({});
        dragged_ = {};
    });
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { FolderDragTick(); }, kDragTimerId);
}

CFolderTreeCtrl::~CFolderTreeCtrl() {
    dragTimer_.Stop();
    if (HasCapture()) ReleaseMouse();
}

void CFolderTreeCtrl::Fill(CFolderTree& model) {
    model_ = &model;
    Freeze();
    dropTarget_ = {};
    DeleteAllItems();
    root_ = AddRoot("");
    AddChildren(root_, model.TopLevel());
    ShowModelExpansion();
    Thaw();
}

void CFolderTreeCtrl::AddChildren(const wxTreeItemId& parent,
                                  const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes) {
    for (const auto& node : nodes) {
        const wxTreeItemId item =
            AppendItem(parent, ToWx(node->name), kFolderImage, -1, new FolderItemData(node.get()));
        SetItemImage(item, kOpenFolderImage, wxTreeItemIcon_Selected);
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

wxTreeItemId CFolderTreeCtrl::FirstTopLevel() const {
    if (!root_.IsOk()) return {};
    wxTreeItemIdValue cookie;
    return GetFirstChild(root_, cookie);
}

namespace {
// Pre-order over the items below `from`, as the model is walked; the first `match`.
template <class Match>
wxTreeItemId FindItemWhere(const wxTreeCtrl& tree, const wxTreeItemId& from, Match match) {
    if (!from.IsOk()) return {};
    std::vector<wxTreeItemId> stack{from};
    while (!stack.empty()) {
        const wxTreeItemId item = stack.back();
        stack.pop_back();
        if (match(item)) return item;
        std::vector<wxTreeItemId> children;
        wxTreeItemIdValue cookie;
        for (auto c = tree.GetFirstChild(item, cookie); c.IsOk();
             c = tree.GetNextChild(item, cookie))
            children.push_back(c);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return {};
}
}  // namespace

wxTreeItemId CFolderTreeCtrl::FindByFolderIndex(int folderIndex) const {
    if (folderIndex < 0) return {};
    return FindItemWhere(*this, root_, [&](const wxTreeItemId& item) {
        const auto* node = NodeOf(item);
        return node && node->folderIndex == folderIndex;
    });
}

wxTreeItemId CFolderTreeCtrl::ItemOfNode(const CFolderTree::Node* node) const {
    if (!node) return {};
    return FindItemWhere(*this, root_,
                         [&](const wxTreeItemId& item) { return NodeOf(item) == node; });
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

void CFolderTreeCtrl::ShowModelExpansion() {
    if (!root_.IsOk()) return;
    wxTreeItemIdValue cookie;
    for (auto item = GetFirstChild(root_, cookie); item.IsOk(); item = GetNextChild(root_, cookie))
        ApplyExpansion(item);
}

void CFolderTreeCtrl::ExpandAllFolders() {
    if (!model_) return;
    CFolderTree::ExpandAll(model_->First());
    ShowModelExpansion();
}

void CFolderTreeCtrl::CollapseAllFolders() {
    if (!model_) return;
    model_->CollapseAll();
    ShowModelExpansion();
}

void CFolderTreeCtrl::OnExpansionChanged(wxTreeEvent& event) {
    if (CFolderTree::Node* node = NodeOf(event.GetItem()))
        node->expanded = event.GetEventType() == wxEVT_TREE_ITEM_EXPANDED;
    event.Skip();
}

void CFolderTreeCtrl::OnKeyDown(wxKeyEvent& event) {
    if (event.GetModifiers() == wxMOD_CONTROL && event.GetKeyCode() == 'Z' && onUndoKey) {
        onUndoKey();
        return;
    }
    event.Skip();
}

wxTreeItemId CFolderTreeCtrl::HitItem(const wxPoint& client, bool* inside) const {
    const wxSize size = GetClientSize();
    const bool within = client.x >= 0 && client.y >= 0 && client.x < size.x && client.y < size.y;
    if (inside) *inside = within;
    if (!within) return {};
    int flags = 0;
    const wxTreeItemId item = HitTest(client, flags);
    if (!item.IsOk() || (flags & (wxTREE_HITTEST_NOWHERE | wxTREE_HITTEST_BELOW))) return {};
    return item;
}

wxTreeItemId CFolderTreeCtrl::ItemAtScreen(const wxPoint& screen) const {
    return HitItem(ScreenToClient(screen));
}

void CFolderTreeCtrl::SetDropTarget(const wxTreeItemId& item) {
    if (item == dropTarget_) return;
    if (dropTarget_.IsOk()) SetItemDropHighlight(dropTarget_, false);
    dropTarget_ = item;
    if (dropTarget_.IsOk()) SetItemDropHighlight(dropTarget_, true);
}

void CFolderTreeCtrl::OnBeginDrag(wxTreeEvent& event) {
    // The control's own drag stays vetoed: this one follows the program's rules.
    BeginFolderDrag(event.GetItem());
}

void CFolderTreeCtrl::BeginFolderDrag(const wxTreeItemId& item) {
    if (!NodeOf(item) || dragged_.IsOk()) return;
    dragged_ = item;
    const wxString text = GetItemText(item);
    const int width =
        std::min(FromDIP(kDragPictureWidth), GetTextExtent(text).x + FromDIP(16 + 4 * 4));
    dragImage_ = std::make_unique<CDragImage>(
        this, MakeDragPicture(this, {text}, art::FolderBitmap(), width), FromDIP(wxPoint(-14, -6)));
    dragImage_->MoveTo(wxGetMousePosition());
    if (!HasCapture()) CaptureMouse();
}

void CFolderTreeCtrl::OnMouse(wxMouseEvent& event) {
    if (!dragged_.IsOk()) {
        event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_LEFT_UP)
        DropFolder(event.GetPosition());
    else
        FolderDragMotion(event.GetPosition());
}

void CFolderTreeCtrl::FolderDragMotion(const wxPoint& client) {
    if (!dragged_.IsOk()) return;
    dragTimer_.Stop();
    if (dragImage_) dragImage_->MoveTo(ClientToScreen(client));
    bool inside = false;
    const wxTreeItemId item = HitItem(client, &inside);
    SetDropTarget(item);
    SetCursor(!item.IsOk() && !inside ? wxCursor(wxCURSOR_NO_ENTRY) : wxNullCursor);
    // Holding the pointer near the top or bottom edge, inside or outside, scrolls the tree.
    const bool nearEdge = client.y < kScrollMargin || client.y >= GetClientSize().y - kScrollMargin;
    if (nearEdge || (item.IsOk() && ItemHasChildren(item))) dragTimer_.StartOnce(kHoverDelayMs);
}

void CFolderTreeCtrl::FolderDragTick() {
    if (!dragged_.IsOk()) {
        dragTimer_.Stop();
        return;
    }
    dragTimer_.StartOnce(kRepeatMs);
    const wxPoint pointer = ScreenToClient(wxGetMousePosition());
    const int height = GetClientSize().y;
    if (pointer.y < kScrollMargin || pointer.y > height - kScrollMargin) {
        const wxTreeItemId first = GetFirstVisibleItem();
        int unitX = 0, unitY = 0, x = 0, y = 0;
        GetScrollPixelsPerUnit(&unitX, &unitY);
        GetViewStart(&x, &y);
        wxRect line;
        // A whole line, rounded up to scroll units, so the top line really changes.
        const int lineUnits = unitY > 0 && first.IsOk() && GetBoundingRect(first, line)
                                  ? (line.height + unitY - 1) / unitY
                                  : 1;
        Scroll(x, y + (pointer.y < kScrollMargin ? -1 : 1) * std::max(1, lineUnits));
        int newX = 0, newY = 0;
        GetViewStart(&newX, &newY);
        if (newY != y) {
            SetDropTarget(HitItem(pointer));
            return;
        }
        dragTimer_.Stop();  // the end is reached
    }
    const wxTreeItemId item = HitItem(pointer);
    if (item.IsOk() && ItemHasChildren(item) && !IsExpanded(item)) {
        Expand(item);
        dragTimer_.Stop();
    }
}

void CFolderTreeCtrl::EndFolderDrag() {
    dragTimer_.Stop();
    dragImage_.reset();
    if (HasCapture()) ReleaseMouse();
    SetDropTarget({});
    SetCursor(wxNullCursor);
}

void CFolderTreeCtrl::DropFolder(const wxPoint& client) {
    if (!dragged_.IsOk()) return;
    EndFolderDrag();
    const wxTreeItemId dragged = dragged_;
    dragged_ = {};
    bool inside = false;
    const wxTreeItemId target = HitItem(client, &inside);
    if (!target.IsOk() && !inside) return;  // dropped outside: nothing happens
    if (onFolderDropped) onFolderDropped(NodeOf(dragged), NodeOf(target));
}

}  // namespace vk
