#pragma once
#include <wx/treectrl.h>

#include <vector>

#include "core/quickaccess/quick_access_tree.h"

namespace vk {

// The quick-access dialog's view of the quick-access tree model: one item per model node,
// each knowing its node. The model decides what is shown; this control only shows it.
class CQuickAccessTreeCtrl : public wxTreeCtrl {
  public:
    CQuickAccessTreeCtrl(wxWindow* parent, wxWindowID id, const wxPoint& at, const wxSize& size);

    // Shows `model` afresh, everything collapsed. The image list is the caller's.
    void Fill(const CQuickAccessTree& model);
    // The model node of `item` (the selection when none is given), or kNone.
    int NodeOf(const wxTreeItemId& item = wxTreeItemId()) const;
    wxTreeItemId ItemOf(int node) const;
    // Expands the node's ancestors, selects it and scrolls it into view.
    void SelectNode(int node);
    // Collapses every expanded top-level item and, below it, every expanded item; what lies
    // below an item that was collapsed already stays as it is.
    void CollapseAllItems();

  private:
    void CollapseExpanded(const wxTreeItemId& item);

    std::vector<wxTreeItemId> items_;  // by model node
    wxTreeItemId root_;
};

}  // namespace vk
