#pragma once
#include <wx/toolbar.h>

#include <functional>
#include <vector>

#include "core/ui/toolbar_layout.h"

class wxMenu;

namespace vk {

// The main window's toolbar: the buttons of a layout (see core/ui/toolbar_layout.h) with the
// program's pictures at 16 or 32 pixels, labels under the pictures, beside the pictures of
// some buttons, or none. Open carries a drop-down arrow. Each button sends the menu command
// of its number (cmd::WxId), like the menu item it stands for.
class CToolBarEx : public wxToolBar {
  public:
    CToolBarEx(wxWindow* parent, int id);

    // Puts the layout's buttons on, leaving out those whose command `isPresent` rejects.
    void Build(const ToolbarLayout& layout, const std::function<bool(int)>& isPresent);
    const ToolbarLayout& Layout() const { return layout_; }
    // The commands of the buttons shown, in order, kToolbarSeparator for separators.
    const std::vector<int>& Shown() const { return shown_; }
    // The height the bar asks for with its present buttons.
    int WantedHeight() const;

    // Fills the drop-down menu of a button's arrow (`command` is the button's) just before it
    // opens.
    std::function<void(int command, wxMenu& menu)> fillDropDown;
    // A right click on the bar, on a button or beside them.
    std::function<void()> onContextMenu;

  private:
    void OnDropDown(wxCommandEvent& event);

    ToolbarLayout layout_;
    std::vector<int> shown_;
};

}  // namespace vk
