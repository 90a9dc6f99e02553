#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/folder_tree.h"
#include "core/editor/record_columns.h"
#include "core/store/password_store.h"

namespace vk {

struct CSettings;

// Where an item search stopped: the folder, the record and the field that matched, with the
// grid column that shows it (-1 for the URL, Email and Notes boxes). An empty search text
// "matches" at once with no record.
struct ItemMatch {
    const CFolderTree::Node* node = nullptr;
    int folder = -1;
    int record = -1;
    int field = -1;
    int column = -1;
};

// Tests one record the way the item search does: the field of column 0; then Notes, Email and
// URL (Notes first); then the fields of columns 1 onwards. The first hit, as (field, column).
struct FieldHit {
    int field;
    int column;
};
std::optional<FieldHit> MatchRecord(const CRecord& record, const std::vector<GridColumn>& columns,
                                    const std::string& text, std::uint32_t options);

// Where Find next starts in the selected folder: the record after the last one found, or after
// the current row when nothing was found yet.
int NextSearchPosition(int searchPosition, int currentRow);

// Find next: the folders in display order from `start` (null: the first one) to the last,
// `start` from record `from` and the others from their first record; then, when that found
// nothing, every folder from the top.
std::optional<ItemMatch> FindNextItem(const CFolderTree& tree, const CPasswordStore& store,
                                      const CSettings& settings, const CFolderTree::Node* start,
                                      int from, const std::string& text, std::uint32_t options);

// Every matching record in the order Find next reaches them from the top.
std::vector<ItemMatch> FindAllItems(const CFolderTree& tree, const CPasswordStore& store,
                                    const CSettings& settings, const std::string& text,
                                    std::uint32_t options);

}  // namespace vk
