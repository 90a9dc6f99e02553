#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vk {

// How many entries of a drop-down list go back into a search history.
constexpr std::size_t kHistoryListSize = 5;

// Puts a non-empty text first in a drop-down list unless the list holds it already
// (exact comparison). Returns true when it was added.
bool AddTextToHistory(std::vector<std::string>& entries, const std::string& text);

// The first entries of a drop-down list, at most kHistoryListSize of them.
std::vector<std::string> HistoryToList(const std::vector<std::string>& entries);

}  // namespace vk
