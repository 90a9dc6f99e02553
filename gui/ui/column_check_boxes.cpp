#include "gui/ui/column_check_boxes.h"

#include <wx/checkbox.h>
#include <wx/window.h>

namespace vk {

std::function<bool(int)> CheckBoxReader(wxWindow& dialog) {
    return [&dialog](int id) {
        const auto* box = wxDynamicCast(dialog.FindWindow(id), wxCheckBox);
        return box != nullptr && box->IsChecked();
    };
}

void FocusDialog(wxWindow& dialog) {
    dialog.SetFocus();
}

}  // namespace vk
