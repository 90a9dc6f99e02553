#pragma once
#include <wx/timer.h>
#include <wx/treectrl.h>

#include <functional>
#include <memory>

#include "core/editor/folder_tree.h"

namespace vk {

class CDragImage;

// The editor's view of the folder tree model: one item per model node, each carrying the
// node's folder index. The model is the truth; this control only shows it. It also carries
// folders dragged within it: the model moves them, the control shows the result.
class CFolderTreeCtrl : public wxTreeCtrl {
  public:
    CFolderTreeCtrl(wxWindow* parent, wxWindowID id);
    ~CFolderTreeCtrl() override;

    // Shows `model` afresh, with its expansion state.
    void Fill(CFolderTree& model);
    // The folder index of `item` (the selection when none is given), or -1.
    int FolderIndexOf(const wxTreeItemId& item = wxTreeItemId()) const;
    wxTreeItemId FindByFolderIndex(int folderIndex) const;
    wxTreeItemId ItemOfNode(const CFolderTree::Node* node) const;
    CFolderTree::Node* NodeOf(const wxTreeItemId& item) const;
    wxTreeItemId FirstTopLevel() const;

    // Expand or collapse through the model, then show the model's state.
    void ExpandAllFolders();
    void CollapseAllFolders();

    // The item under a point of the screen, when the point lies over the control.
    wxTreeItemId ItemAtScreen(const wxPoint& screen) const;

    // A folder drag, step by step (the mouse handlers call these; so can tests).
    void BeginFolderDrag(const wxTreeItemId& item);
    void FolderDragMotion(const wxPoint& client);
    void FolderDragTick();
    void DropFolder(const wxPoint& client);
    bool IsDraggingFolder() const { return dragged_.IsOk(); }

    // A folder was dropped onto another (`target` null: onto empty space, the top level). The
    // editor checks and carries out the move; the dragged folder stays selected otherwise.
    std::function<void(CFolderTree::Node* dragged, CFolderTree::Node* target)> onFolderDropped;
    // Ctrl+Z in the tree.
    std::function<void()> onUndoKey;

    // The drag's timing: the pause over a folder before it opens, and the scrolling pace.
    static constexpr int kHoverDelayMs = 100;
    static constexpr int kRepeatMs = 200;
    static constexpr int kScrollMargin = 100;

  private:
    void AddChildren(const wxTreeItemId& parent,
                     const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes);
    void ApplyExpansion(const wxTreeItemId& item);
    void ShowModelExpansion();
    void OnExpansionChanged(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void EndFolderDrag();
    void SetDropTarget(const wxTreeItemId& item);
    // The item under `client`, and whether the point lies inside the window at all.
    wxTreeItemId HitItem(const wxPoint& client, bool* inside = nullptr) const;

    CFolderTree* model_ = nullptr;
    wxTreeItemId root_;
    wxTreeItemId dragged_;
    wxTreeItemId dropTarget_;
    std::unique_ptr<CDragImage> dragImage_;
    wxTimer dragTimer_;
};

}  // namespace vk
