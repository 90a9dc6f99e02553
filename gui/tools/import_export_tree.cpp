#include "gui/tools/import_export_tree.h"

#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/renderer.h>

#include "gui/ui/wx_text.h"

namespace vk {
namespace {

enum BoxState { kUnticked = 0, kTicked = 1 };

class FolderIndexData : public wxTreeItemData {
  public:
    explicit FolderIndexData(int index) : index(index) {}
    int index;
};

}  // namespace

CCheckFolderTree::CCheckFolderTree(wxWindow* parent, wxWindowID id, bool singleTick)
    : wxTreeCtrl(
          parent, id, wxDefaultPosition, wxDefaultSize,
          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN),
      singleTick_(singleTick) {
    MakeBoxImages();
    Bind(wxEVT_TREE_STATE_IMAGE_CLICK, [this](wxTreeEvent& e) { ClickBox(e.GetItem()); });
    Bind(wxEVT_TREE_KEY_DOWN, [this](wxTreeEvent& e) {
        if (e.GetKeyCode() == WXK_SPACE && GetSelection().IsOk())
            ClickBox(GetSelection());
        else
            e.Skip();
    });
}

// The two box pictures as the desktop draws check boxes.
void CCheckFolderTree::MakeBoxImages() {
    const wxSize size = wxRendererNative::Get().GetCheckBoxSize(this);
    auto* images = new wxImageList(size.x, size.y, true, 2);
    for (int flags : {0, static_cast<int>(wxCONTROL_CHECKED)}) {
        wxBitmap box(size);
        wxMemoryDC dc(box);
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
        wxRendererNative::Get().DrawCheckBox(this, dc, wxRect(size), flags);
        dc.SelectObject(wxNullBitmap);
        images->Add(box);
    }
    AssignStateImageList(images);
}

void CCheckFolderTree::Fill(const CFolderTree& model) {
    Freeze();
    DeleteAllItems();
    root_ = AddRoot("");
    AddChildren(root_, model.TopLevel());
    ExpandAll();
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = GetFirstChild(root_, cookie);
    if (first.IsOk()) SelectItem(first);
    Thaw();
}

void CCheckFolderTree::AddChildren(const wxTreeItemId& parent,
                                   const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes) {
    // Level by level without recursion: a deep tree cannot exhaust the stack.
    std::vector<std::pair<wxTreeItemId, const std::vector<std::unique_ptr<CFolderTree::Node>>*>>
        pending{{parent, &nodes}};
    while (!pending.empty()) {
        const auto [item, children] = pending.back();
        pending.pop_back();
        for (const auto& node : *children) {
            const wxTreeItemId child =
                AppendItem(item, ToWx(node->name), -1, -1, new FolderIndexData(node->folderIndex));
            SetItemState(child, kUnticked);
            if (!node->children.empty()) pending.push_back({child, &node->children});
        }
    }
}

std::vector<wxTreeItemId> CCheckFolderTree::AllItems() const {
    std::vector<wxTreeItemId> items;
    if (!root_.IsOk()) return items;
    std::vector<wxTreeItemId> pending{root_};
    while (!pending.empty()) {
        const wxTreeItemId item = pending.back();
        pending.pop_back();
        if (item != root_) items.push_back(item);
        wxTreeItemIdValue cookie;
        for (auto c = GetFirstChild(item, cookie); c.IsOk(); c = GetNextChild(item, cookie))
            pending.push_back(c);
    }
    return items;
}

int CCheckFolderTree::FolderIndexOf(const wxTreeItemId& item) const {
    if (!item.IsOk() || item == root_) return -1;
    const auto* data = static_cast<FolderIndexData*>(GetItemData(item));
    return data ? data->index : -1;
}

wxTreeItemId CCheckFolderTree::FindFolder(int folderIndex) const {
    for (const wxTreeItemId& item : AllItems())
        if (FolderIndexOf(item) == folderIndex) return item;
    return {};
}

bool CCheckFolderTree::IsTicked(const wxTreeItemId& item) const {
    return item.IsOk() && item != root_ && GetItemState(item) == kTicked;
}

void CCheckFolderTree::SetTicked(const wxTreeItemId& item, bool ticked) {
    if (item.IsOk() && item != root_) SetItemState(item, ticked ? kTicked : kUnticked);
}

void CCheckFolderTree::TickAll(bool ticked) {
    for (const wxTreeItemId& item : AllItems()) SetTicked(item, ticked);
}

void CCheckFolderTree::ClickBox(const wxTreeItemId& item) {
    if (!item.IsOk() || item == root_) return;
    if (singleTick_) {
        TickAll(false);
        SetTicked(item, true);
        return;
    }
    SetTicked(item, !IsTicked(item));
}

std::vector<bool> CCheckFolderTree::TickedFolders(std::size_t folderCount) const {
    std::vector<bool> ticked(folderCount, false);
    for (const wxTreeItemId& item : AllItems()) {
        const int index = FolderIndexOf(item);
        if (index >= 0 && static_cast<std::size_t>(index) < folderCount && IsTicked(item))
            ticked[static_cast<std::size_t>(index)] = true;
    }
    return ticked;
}

}  // namespace vk
