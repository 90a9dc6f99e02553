#include "core/editor/auto_complete.h"

#include <algorithm>

#include "core/editor/folder_tree.h"
#include "core/editor/text_order.h"
#include "core/settings/settings.h"

namespace vk {

void CAutoCompleteList::Add(const std::string& text) {
    if (text.empty() || known_.count(text)) return;
    texts_.push_back({text, NoCaseKey(text)});
    known_.insert(texts_.back().text);
}

void CAutoCompleteList::Clear() {
    known_.clear();
    texts_.clear();
}

std::vector<std::string> CAutoCompleteList::Matches(std::string_view typed, bool anywhere) const {
    std::vector<std::string> found;
    if (typed.empty()) return found;
    const std::string key = NoCaseKey(typed);
    for (const Entry& e : texts_) {
        const bool match = anywhere ? e.key.find(key) != std::string::npos
                                    : e.key.compare(0, key.size(), key) == 0;
        if (match) found.push_back(e.text);
    }
    std::sort(found.begin(), found.end());
    return found;
}

void FillAutoComplete(CAutoCompleteList& list, const CPasswordStore& store, const CFolderTree& tree,
                      const CSettings& settings) {
    list.Clear();
    if (!settings.autoComplete) return;
    tree.ForEachPreOrder([&](CFolderTree::Node& node) {
        if (!store.IsValidFolderIndex(node.folderIndex)) return;
        const CFolder& folder = store.folders[static_cast<std::size_t>(node.folderIndex)];
        const ColumnSet& columns = settings.ColumnsOf(EffectiveCategory(&node, store));
        for (const CRecord& record : folder.records) {
            for (const std::int32_t field : columns) {
                if (field < 0 || field >= kListFieldCount) continue;
                if (field == kPassword && settings.mask) continue;
                list.Add(record[field]);
            }
        }
    });
}

}  // namespace vk
