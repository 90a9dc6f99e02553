#pragma once
#include <string>
#include <vector>

class wxComboBox;

namespace vk {

// Puts the combo box's edit text first in its list unless it is empty or listed already.
bool AddComboTextToHistory(wxComboBox& combo);

// The first entries of the combo box's list, at most five: what goes back into a history.
std::vector<std::string> ComboHistoryToList(const wxComboBox& combo);

// Fills the combo box's list with a history, in order.
void FillComboFromHistory(wxComboBox& combo, const std::vector<std::string>& history);

}  // namespace vk
