#include "core/editor/search_history.h"

#include "core/shell/combo_history.h"
#include "core/shell/search_match.h"
#include "core/store/password_store.h"

namespace vk {

const char* SearchCaption(SearchMode mode) {
    return mode == SearchMode::kFolders ? "Search folders" : "Search items";
}

std::vector<std::string>& SearchHistoryOf(CPasswordStore& store, SearchMode mode) {
    return mode == SearchMode::kFolders ? store.folderHistory : store.itemHistory;
}

std::uint32_t SearchOptionsFromBoxes(bool wholeWordOnly, bool matchCase) {
    return (wholeWordOnly ? 0 : kSearchPartText) | (matchCase ? 0 : kSearchIgnoreCase);
}

bool WholeWordOnlyBox(std::uint32_t options) {
    return !(options & kSearchPartText);
}

bool MatchCaseBox(std::uint32_t options) {
    return !(options & kSearchIgnoreCase);
}

void RememberSearchText(std::vector<std::string>& listEntries, const std::string& text,
                        std::vector<std::string>& history) {
    AddTextToHistory(listEntries, text);
    history = HistoryToList(listEntries);
}

}  // namespace vk
