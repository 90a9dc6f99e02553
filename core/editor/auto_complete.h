#pragma once
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vk {

class CPasswordStore;
class CFolderTree;
struct CSettings;

// The texts an edit box offers to complete what the user types: each distinct text once
// (texts differing in letter case are distinct), in the order they were added.
class CAutoCompleteList {
  public:
    // The most rows the drop-down list shows.
    static constexpr std::size_t kVisibleRows = 8;

    // Ignored when empty or already present.
    void Add(const std::string& text);
    void Clear();
    std::size_t Size() const { return texts_.size(); }

    // The texts that begin with `typed` (or, with `anywhere`, contain it), ignoring letter
    // case, sorted. Nothing for an empty `typed`.
    std::vector<std::string> Matches(std::string_view typed, bool anywhere = false) const;

  private:
    struct Entry {
        std::string text;
        std::string key;  // the text in lower case
    };
    std::deque<Entry> texts_;  // a deque: the set below points into it
    std::unordered_set<std::string_view> known_;
};

// Fills the list from the file: every non-empty text of every column shown in its folder's
// category, in every record of every folder, passwords left out while they are masked. With
// the AutoComplete setting off the list stays empty.
void FillAutoComplete(CAutoCompleteList& list, const CPasswordStore& store, const CFolderTree& tree,
                      const CSettings& settings);

}  // namespace vk
