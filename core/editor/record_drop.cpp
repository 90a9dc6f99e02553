#include "core/editor/record_drop.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "core/editor/editor_messages.h"
#include "core/editor/folder_tree.h"
#include "core/editor/undo.h"
#include "core/store/password_store.h"

namespace vk {

std::vector<int> RowsToDrop(const std::vector<unsigned>& selection, std::size_t recordCount) {
    std::vector<int> rows;
    for (unsigned r : selection) {
        if (r >= recordCount) continue;
        const int row = static_cast<int>(r);
        if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
    }
    return rows;
}

bool IsRecordDropTarget(const CPasswordStore& store, int sourceFolder, int targetFolder) {
    return store.IsValidFolderIndex(sourceFolder) && store.IsValidFolderIndex(targetFolder) &&
           sourceFolder != targetFolder &&
           store.folders[static_cast<std::size_t>(targetFolder)].inUse;
}

bool CategoriesDiffer(const CFolderTree& tree, const CPasswordStore& store, int sourceFolder,
                      int targetFolder) {
    return EffectiveCategory(tree.FindByFolderIndex(sourceFolder), store) !=
           EffectiveCategory(tree.FindByFolderIndex(targetFolder), store);
}

bool DropRecords(CPasswordStore& store, int sourceFolder, int targetFolder,
                 const std::vector<int>& rows, bool copy) {
    if (!IsRecordDropTarget(store, sourceFolder, targetFolder)) return false;
    const auto source = static_cast<std::size_t>(sourceFolder);
    const auto target = static_cast<std::size_t>(targetFolder);
    std::vector<unsigned> picked;
    for (int row : rows)
        if (row >= 0) picked.push_back(static_cast<unsigned>(row));
    const std::vector<int> valid = RowsToDrop(picked, store.folders[source].records.size());
    if (valid.empty()) return false;
    // The step is taken before any list is touched: each write below then makes the written
    // list the live table's own, and the step keeps the old one.
    TakeRecordSnapshot(store, copy ? msg::kUndoCopyRecords : msg::kUndoMoveRecords);
    for (int row : valid) {
        const CRecord record =
            std::as_const(store.folders[source].records)[static_cast<std::size_t>(row)];
        CRecordList& into = store.folders[target].records;
        if (!into.empty() && std::as_const(into).back().IsEmpty())
            into.back() = record;
        else
            into.push_back(record);
    }
    if (!copy) {
        std::vector<int> doomed = valid;
        std::sort(doomed.begin(), doomed.end(), std::greater<int>());
        for (int row : doomed) store.folders[source].records.erase(static_cast<std::size_t>(row));
    }
    store.modified = true;
    return true;
}

}  // namespace vk
