#pragma once
#include <wx/treectrl.h>

#include <vector>

#include "core/editor/folder_tree.h"

namespace vk {

// The folder tree of the Import/Export pages: every folder of the editor's tree with a check
// box. A click on the box or Space on the selected folder changes its tick; in single-tick
// mode that first clears every other tick, so one folder at most is ticked.
class CCheckFolderTree : public wxTreeCtrl {
  public:
    CCheckFolderTree(wxWindow* parent, wxWindowID id, bool singleTick);

    // Shows `model` fully expanded, nothing ticked, the first top-level folder selected.
    void Fill(const CFolderTree& model);

    int FolderIndexOf(const wxTreeItemId& item) const;
    wxTreeItemId FindFolder(int folderIndex) const;
    bool IsTicked(const wxTreeItemId& item) const;
    void SetTicked(const wxTreeItemId& item, bool ticked);
    void TickAll(bool ticked);
    // What the user's click does to `item`'s box.
    void ClickBox(const wxTreeItemId& item);
    // By folder index, sized `folderCount`.
    std::vector<bool> TickedFolders(std::size_t folderCount) const;

  private:
    void MakeBoxImages();
    void AddChildren(const wxTreeItemId& parent,
                     const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes);
    std::vector<wxTreeItemId> AllItems() const;

    const bool singleTick_;
    wxTreeItemId root_;
};

}  // namespace vk
