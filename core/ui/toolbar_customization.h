#pragma once
#include <functional>
#include <vector>

#include "core/ui/toolbar_layout.h"

namespace vk {

// What the Customize Toolbar dialog edits: the buttons on the toolbar and the ones that could
// be added. Only buttons whose command the program carries are listed; others that a saved
// layout holds stay in it where they were, unseen. The separator is always available.
class CToolbarCustomization {
  public:
    CToolbarCustomization(ToolbarLayout layout, std::function<bool(int)> isPresent);

    const ToolbarLayout& Layout() const { return layout_; }
    // Entries of the "Current" list (kToolbarSeparator for a separator), in order.
    std::vector<int> Current() const;
    // Entries of the "Available" list: the separator first, then the table's buttons that
    // are not on the toolbar.
    std::vector<int> Available() const;

    // Puts available entry `available` before current position `before` (at the end when
    // `before` is past the last); the position it took, or -1 when nothing was added.
    int Add(int available, int before);
    // Takes current entry `position` off; false when there is none.
    bool Remove(int position);
    // Swaps current entry `position` with its neighbour; the entry's new position, or
    // `position` when it cannot move.
    int MoveUp(int position);
    int MoveDown(int position);
    // The default buttons, "No Text Labels" and "Small Icons".
    void Reset();
    void SetTextOption(int option);
    void SetIconOption(int option);

  private:
    // Index into the layout of current position `position`; -1 when out of range.
    int LayoutIndexOf(int position) const;
    bool Listed(int entry) const;

    ToolbarLayout layout_;
    std::function<bool(int)> isPresent_;
};

}  // namespace vk
