#include "gui/ui/combo_box_history.h"

#include <wx/combobox.h>

#include "core/shell/combo_history.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

std::vector<std::string> Entries(const wxComboBox& combo) {
    std::vector<std::string> entries;
    const unsigned count = combo.GetCount();
    entries.reserve(count);
    for (unsigned i = 0; i < count; ++i) entries.push_back(FromWx(combo.GetString(i)));
    return entries;
}

}  // namespace

bool AddComboTextToHistory(wxComboBox& combo) {
    std::vector<std::string> entries = Entries(combo);
    const std::string text = FromWx(combo.GetValue());
    if (!AddTextToHistory(entries, text)) return false;
    // Inserting can replace the edit text on some toolkits: keep what the user typed.
    const wxString typed = combo.GetValue();
    combo.Insert(ToWx(text), 0);
    combo.ChangeValue(typed);
    return true;
}

std::vector<std::string> ComboHistoryToList(const wxComboBox& combo) {
    return HistoryToList(Entries(combo));
}

void FillComboFromHistory(wxComboBox& combo, const std::vector<std::string>& history) {
    const wxString typed = combo.GetValue();
    combo.Clear();
    for (const std::string& entry : history) combo.Append(ToWx(entry));
    combo.ChangeValue(typed);
}

}  // namespace vk
