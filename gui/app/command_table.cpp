#include "gui/app/command_table.h"

namespace vk {

void CCommandTable::Add(int command, Action run, Condition enabled) {
    entries_[command] = Entry{std::move(run), std::move(enabled)};
}

bool CCommandTable::IsEnabled(int command) const {
    const auto it = entries_.find(command);
    return it != entries_.end() && (!it->second.enabled || it->second.enabled());
}

bool CCommandTable::Execute(int command) const {
    if (!IsEnabled(command)) return false;
    // A copy: the action may replace its own entry.
    const Action run = entries_.at(command).run;
    run();
    return true;
}

}  // namespace vk
