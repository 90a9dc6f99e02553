#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

class CPasswordStore;

// The three uses of the search dialog: folder names and record contents in the editor, and
// the items of the quick-access tree.
enum class SearchMode { kFolders = 0, kItems = 1, kQuickAccess = 2 };

// "Search folders" or "Search items".
const char* SearchCaption(SearchMode mode);

// The store's history the mode keeps its texts in: folders, or items for both item modes.
std::vector<std::string>& SearchHistoryOf(CPasswordStore& store, SearchMode mode);

// The dialog's two boxes and the options word they stand for.
std::uint32_t SearchOptionsFromBoxes(bool wholeWordOnly, bool matchCase);
bool WholeWordOnlyBox(std::uint32_t options);
bool MatchCaseBox(std::uint32_t options);

// Find next's bookkeeping: a non-empty `text` goes on top of the drop-down list unless an
// entry equals it already (exact comparison); the history becomes the list's first five.
void RememberSearchText(std::vector<std::string>& listEntries, const std::string& text,
                        std::vector<std::string>& history);

}  // namespace vk
