#pragma once
#include <string>
#include <vector>

class wxComboBox;

namespace vk {

// Fills the combo box's list with a history, in order.
void FillComboFromHistory(wxComboBox& combo, const std::vector<std::string>& history);

}  // namespace vk
