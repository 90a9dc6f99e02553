#include "core/shell/combo_history.h"

#include <algorithm>

namespace vk {

bool AddTextToHistory(std::vector<std::string>& entries, const std::string& text) {
    if (text.empty() || std::find(entries.begin(), entries.end(), text) != entries.end())
        return false;
    entries.insert(entries.begin(), text);
    return true;
}

std::vector<std::string> HistoryToList(const std::vector<std::string>& entries) {
    const std::size_t count = std::min(entries.size(), kHistoryListSize);
    return std::vector<std::string>(entries.begin(), entries.begin() + static_cast<long>(count));
}

}  // namespace vk
