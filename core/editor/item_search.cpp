#include "core/editor/item_search.h"

#include "core/editor/folder_operations.h"
#include "core/settings/settings.h"
#include "core/shell/search_match.h"

namespace vk {
namespace {

using Node = CFolderTree::Node;

const CFolder* SearchedFolder(const CPasswordStore& store, const Node* node) {
    if (!node || !store.IsValidFolderIndex(node->folderIndex)) return nullptr;
    const CFolder& folder = store.folders[static_cast<std::size_t>(node->folderIndex)];
    return folder.inUse ? &folder : nullptr;
}

// Find in folder: the first record from `from` on with a hit.
std::optional<ItemMatch> FindInFolder(const CPasswordStore& store, const CSettings& settings,
                                      const Node* node, int from, const std::string& text,
                                      std::uint32_t options) {
    const CFolder* folder = SearchedFolder(store, node);
    if (!folder) return std::nullopt;
    if (text.empty()) return ItemMatch{node, node->folderIndex, -1, -1, -1};
    const auto columns = GridColumnsFor(settings, EffectiveCategory(node, store));
    for (std::size_t row = from < 0 ? 0 : static_cast<std::size_t>(from);
         row < folder->records.size(); ++row) {
        if (const auto hit = MatchRecord(folder->records[row], columns, text, options))
            return ItemMatch{node, node->folderIndex, static_cast<int>(row), hit->field,
                             hit->column};
    }
    return std::nullopt;
}

}  // namespace

std::optional<FieldHit> MatchRecord(const CRecord& record, const std::vector<GridColumn>& columns,
                                    const std::string& text, std::uint32_t options) {
    auto matches = [&](int field) { return SearchMatches(record[field], text, options); };
    if (!columns.empty() && matches(columns[0].field)) return FieldHit{columns[0].field, 0};
    // The boxes are tested URL, Email, Notes with a later hit winning: Notes comes first.
    for (int field : {kNotes, kEmail, kUrl})
        if (matches(field)) return FieldHit{field, -1};
    for (std::size_t column = 1; column < columns.size(); ++column)
        if (matches(columns[column].field))
            return FieldHit{columns[column].field, static_cast<int>(column)};
    return std::nullopt;
}

int NextSearchPosition(int searchPosition, int currentRow) {
    return (searchPosition < 0 ? currentRow : searchPosition) + 1;
}

std::optional<ItemMatch> FindNextItem(const CFolderTree& tree, const CPasswordStore& store,
                                      const CSettings& settings, const Node* start, int from,
                                      const std::string& text, std::uint32_t options) {
    if (!start) start = tree.First();
    for (const Node* node = start; node; node = tree.NextPreOrder(node)) {
        if (auto found =
                FindInFolder(store, settings, node, node == start ? from : 0, text, options))
            return found;
    }
    for (const Node* node = tree.First(); node; node = tree.NextPreOrder(node)) {
        if (auto found = FindInFolder(store, settings, node, 0, text, options)) return found;
    }
    return std::nullopt;
}

std::vector<ItemMatch> FindAllItems(const CFolderTree& tree, const CPasswordStore& store,
                                    const CSettings& settings, const std::string& text,
                                    std::uint32_t options) {
    std::vector<ItemMatch> all;
    if (text.empty()) return all;
    for (const Node* node = tree.First(); node; node = tree.NextPreOrder(node)) {
        for (int from = 0;;) {
            const auto found = FindInFolder(store, settings, node, from, text, options);
            if (!found) break;
            all.push_back(*found);
            from = found->record + 1;
        }
    }
    return all;
}

}  // namespace vk
