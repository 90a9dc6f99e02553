#pragma once
#include <wx/treectrl.h>

#include "core/editor/folder_tree.h"

namespace vk {

// The editor's view of the folder tree model: one item per model node, each carrying the
// node's folder index. The model is the truth; this control only shows it.
class CFolderTreeCtrl : public wxTreeCtrl {
  public:
    CFolderTreeCtrl(wxWindow* parent, wxWindowID id);

    // Shows `model` afresh, with its expansion state.
    void Fill(CFolderTree& model);
    // The folder index of `item` (the selection when none is given), or -1.
    int FolderIndexOf(const wxTreeItemId& item = wxTreeItemId()) const;
    wxTreeItemId FindByFolderIndex(int folderIndex) const;

    // Expand or collapse through the model, then show the model's state.
    void ExpandAllFolders();
    void CollapseAllFolders();

  private:
    void AddChildren(const wxTreeItemId& parent,
                     const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes);
    void ApplyExpansion(const wxTreeItemId& item);
    CFolderTree::Node* NodeOf(const wxTreeItemId& item) const;
    void OnExpansionChanged(wxTreeEvent& event);

    CFolderTree* model_ = nullptr;
    wxTreeItemId root_;
};

}  // namespace vk
