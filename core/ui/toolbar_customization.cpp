#include "core/ui/toolbar_customization.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace vk {

CToolbarCustomization::CToolbarCustomization(ToolbarLayout layout,
                                             std::function<bool(int)> isPresent)
    : layout_(std::move(layout)), isPresent_(std::move(isPresent)) {}

bool CToolbarCustomization::Listed(int entry) const {
    return entry == kToolbarSeparator || isPresent_(entry);
}

std::vector<int> CToolbarCustomization::Current() const {
    std::vector<int> current;
    for (int entry : layout_.entries)
        if (Listed(entry)) current.push_back(entry);
    return current;
}

std::vector<int> CToolbarCustomization::Available() const {
    std::vector<int> available{kToolbarSeparator};
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (!isPresent_(button.command)) continue;
        const auto& e = layout_.entries;
        if (std::find(e.begin(), e.end(), button.command) == e.end())
            available.push_back(button.command);
    }
    return available;
}

int CToolbarCustomization::LayoutIndexOf(int position) const {
    if (position < 0) return -1;
    int seen = 0;
    for (std::size_t i = 0; i < layout_.entries.size(); ++i) {
        if (!Listed(layout_.entries[i])) continue;
        if (seen++ == position) return static_cast<int>(i);
    }
    return -1;
}

int CToolbarCustomization::Add(int available, int before) {
    const std::vector<int> offered = Available();
    if (available < 0 || available >= static_cast<int>(offered.size())) return -1;
    const int count = static_cast<int>(Current().size());
    const int position = std::clamp(before, 0, count);
    const int at =
        position < count ? LayoutIndexOf(position) : static_cast<int>(layout_.entries.size());
    layout_.entries.insert(layout_.entries.begin() + at,
                           offered[static_cast<std::size_t>(available)]);
    return position;
}

bool CToolbarCustomization::Remove(int position) {
    const int at = LayoutIndexOf(position);
    if (at < 0) return false;
    layout_.entries.erase(layout_.entries.begin() + at);
    return true;
}

int CToolbarCustomization::MoveUp(int position) {
    const int at = LayoutIndexOf(position);
    const int previous = LayoutIndexOf(position - 1);
    if (at < 0 || previous < 0) return position;
    std::swap(layout_.entries[static_cast<std::size_t>(at)],
              layout_.entries[static_cast<std::size_t>(previous)]);
    return position - 1;
}

int CToolbarCustomization::MoveDown(int position) {
    const int at = LayoutIndexOf(position);
    const int next = LayoutIndexOf(position + 1);
    if (at < 0 || next < 0) return position;
    std::swap(layout_.entries[static_cast<std::size_t>(at)],
              layout_.entries[static_cast<std::size_t>(next)]);
    return position + 1;
}

void CToolbarCustomization::Reset() {
    layout_ = DefaultToolbarLayout();
}

void CToolbarCustomization::SetTextOption(int option) {
    if (option >= kShowTextLabels && option <= kNoTextLabels) layout_.textOption = option;
}

void CToolbarCustomization::SetIconOption(int option) {
    if (option == kSmallIcons || option == kLargeIcons) layout_.iconOption = option;
}

}  // namespace vk
