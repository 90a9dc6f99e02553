#include "gui/app/command_table.h"

namespace vk {

void CCommandTable::Add(int command, Action run, Condition enabled) {
    Entry& entry = entries_[command];
    entry.run = std::move(run);
    entry.enabled = std::move(enabled);
}

bool CCommandTable::Has(int command) const {
    const auto it = entries_.find(command);
    return it != entries_.end() && it->second.run;
}

bool CCommandTable::IsEnabled(int command) const {
    if (!Has(command)) return false;
    const Entry& entry = entries_.at(command);
    return !entry.enabled || entry.enabled();
}

bool CCommandTable::Execute(int command) const {
    if (!IsEnabled(command)) return false;
    // A copy: the action may replace its own entry.
    const Action run = entries_.at(command).run;
    run();
    return true;
}

void CCommandTable::SetLabel(int command, std::function<std::string()> label) {
    entries_[command].label = std::move(label);
}

std::optional<std::string> CCommandTable::LabelOf(int command) const {
    const auto it = entries_.find(command);
    if (it == entries_.end() || !it->second.label) return std::nullopt;
    return it->second.label();
}

void CCommandTable::SetCheck(int command, Condition checked) {
    entries_[command].checked = std::move(checked);
}

std::optional<bool> CCommandTable::IsChecked(int command) const {
    const auto it = entries_.find(command);
    if (it == entries_.end() || !it->second.checked) return std::nullopt;
    return it->second.checked();
}

}  // namespace vk
