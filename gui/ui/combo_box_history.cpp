#include "gui/ui/combo_box_history.h"

#include <wx/combobox.h>

#include "gui/ui/wx_text.h"

namespace vk {

void FillComboFromHistory(wxComboBox& combo, const std::vector<std::string>& history) {
    const wxString typed = combo.GetValue();
    combo.Clear();
    for (const std::string& entry : history) combo.Append(ToWx(entry));
    combo.ChangeValue(typed);
}

}  // namespace vk
