#pragma once
#include <functional>
#include <vector>

#include "core/shell/column_choice.h"

class wxWindow;

namespace vk {

// Whether the check box with `id` inside `dialog` is ticked; false for a missing box.
std::function<bool(int)> CheckBoxReader(wxWindow& dialog);

// Gives the dialog (a page or a dialog) the keyboard focus.
void FocusDialog(wxWindow& dialog);

// Rebuilds a column set from the dialog's column check boxes (2000..2010) in the order of
// `boxIds`. With none ticked the dialog takes the focus, "You must select at least one
// column" is shown and the set stays as it was; the result is then false. The caller
// rebuilds the editor's list when the result is true.
template <class ColumnSet>
bool ColumnsFromDialogCheckBoxes(wxWindow& dialog, const std::vector<int>& boxIds, ColumnSet& set,
                                 IUserPrompt& prompt) {
    const auto isTicked = CheckBoxReader(dialog);
    if (TickedColumnFields(boxIds, isTicked).empty()) FocusDialog(dialog);
    return ColumnsFromCheckBoxes(boxIds, isTicked, set, prompt);
}

}  // namespace vk
