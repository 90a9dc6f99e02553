#include "core/quickaccess/quick_access_tree.h"

#include <algorithm>

#include "core/editor/folder_tree.h"
#include "core/shell/search_match.h"
#include "core/store/password_store.h"

namespace vk {
namespace {

constexpr const char kMaskedText[] = "*****";

}  // namespace

void CQuickAccessTree::Clear() {
    nodes_.clear();
    topLevel_.clear();
}

int CQuickAccessTree::Add(int parent, Node node) {
    const int id = static_cast<int>(nodes_.size());
    node.parent = parent;
    nodes_.push_back(std::move(node));
    std::vector<int>& siblings =
        parent == kNone ? topLevel_ : nodes_[static_cast<std::size_t>(parent)].children;
    if (!siblings.empty()) nodes_[static_cast<std::size_t>(siblings.back())].nextSibling = id;
    siblings.push_back(id);
    return id;
}

void CQuickAccessTree::Build(const CFolderTree& folders) {
    Clear();
    nodes_.reserve(store_.LiveRecordCount() * 2 + store_.folders.size());
    // Walks the folder tree in display order, carrying each level's item and category.
    struct Level {
        const CFolderTree::Node* node;
        int parentItem;
        std::int32_t category;
    };
    std::vector<Level> pending;
    for (auto it = folders.TopLevel().rbegin(); it != folders.TopLevel().rend(); ++it)
        pending.push_back({it->get(), kNone, kCategoryDefault});
    while (!pending.empty()) {
        const Level level = pending.back();
        pending.pop_back();
        Node item;
        item.label = level.node->name;
        const int index = level.node->folderIndex;
        const bool live = store_.IsValidFolderIndex(index) &&
                          store_.folders[static_cast<std::size_t>(index)].inUse;
        // A subfolder shows the columns of its top-level folder, whatever its own category.
        std::int32_t category = level.category;
        if (live && level.parentItem == kNone)
            category = NormaliseCategory(store_.folders[static_cast<std::size_t>(index)].category);
        if (live) {
            item.hasData = true;
            item.data.folderIndex = index;
            item.data.isFolder = true;
            item.data.category = category;
        }
        const int id = Add(level.parentItem, std::move(item));
        if (live) AddRecords(id, At(id).data);
        const auto& children = level.node->children;
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            pending.push_back({it->get(), id, category});
    }
}

void CQuickAccessTree::AddRecords(int folderItem, QuickItemData folder) {
    const CFolder& f = store_.folders[static_cast<std::size_t>(folder.folderIndex)];
    const ColumnSet& columns = settings_.ColumnsOf(folder.category);
    for (std::size_t r = 0; r < f.records.size(); ++r) {
        const CRecord& record = f.records[r];
        int recordNode = kNone;
        for (int slot = 0; slot < kColumnSlotCount; ++slot) {
            const int field = columns[static_cast<std::size_t>(slot)];
            if (field < 0 || field >= kListFieldCount || record[field].empty()) continue;
            Node item;
            item.hasData = true;
            item.data = folder;
            item.data.isFolder = false;
            item.data.recordIndex = static_cast<int>(r);
            item.data.field = field;
            item.data.slot = slot;
            item.data.showsPassword = field == kPassword;
            item.image = ImageOfField(field);
            // The first shown field is the record's node; the others hang below it.
            const int id = Add(recordNode == kNone ? folderItem : recordNode, std::move(item));
            if (recordNode == kNone) recordNode = id;
        }
    }
}

int CQuickAccessTree::ImageOfField(int field) const {
    const std::int32_t icon = settings_.columnIcons[static_cast<std::size_t>(field)];
    const auto at = std::find(kColumnIconTable.begin(), kColumnIconTable.end(), icon);
    const auto position = at == kColumnIconTable.end() ? 0 : at - kColumnIconTable.begin();
    return kFirstFieldImage + static_cast<int>(position);
}

std::string CQuickAccessTree::RecordField(int id, int field) const {
    if (!IsValid(id) || !At(id).hasData || field < 0 || field >= kFieldCount) return {};
    const QuickItemData& d = At(id).data;
    if (!store_.IsValidFolderIndex(d.folderIndex)) return {};
    const CRecordList& records = store_.folders[static_cast<std::size_t>(d.folderIndex)].records;
    if (d.recordIndex < 0 || static_cast<std::size_t>(d.recordIndex) >= records.size()) return {};
    return records[static_cast<std::size_t>(d.recordIndex)][field];
}

std::string CQuickAccessTree::ValueText(int id) const {
    if (!IsValid(id)) return {};
    if (!At(id).hasData) return At(id).label;
    return RecordField(id, At(id).data.field);
}

std::string CQuickAccessTree::DisplayText(int id) const {
    if (!IsValid(id)) return {};
    const Node& node = At(id);
    if (!node.hasData || node.data.isFolder) return node.label;
    if (node.data.showsPassword && settings_.mask) return kMaskedText;
    return RecordField(id, node.data.field);
}

int CQuickAccessTree::NextPreOrder(int id) const {
    if (!IsValid(id)) return kNone;
    if (!At(id).children.empty()) return At(id).children.front();
    for (int node = id; node != kNone; node = At(node).parent) {
        if (At(node).nextSibling != kNone) return At(node).nextSibling;
    }
    return kNone;
}

int CQuickAccessTree::FindNext(const std::string& text, int start, std::uint32_t options) const {
    if (text.empty() || topLevel_.empty()) return kNone;
    if (!IsValid(start)) start = topLevel_.front();
    for (int id = NextPreOrder(start);; id = NextPreOrder(id)) {
        if (id == kNone) id = topLevel_.front();
        if (id == start) return kNone;
        if (SearchMatches(DisplayText(id), text, options)) return id;
    }
}

int CQuickAccessTree::Find(const QuickItemData& data) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const QuickItemData& d = nodes_[i].data;
        if (nodes_[i].hasData && d.isFolder == data.isFolder && d.folderIndex == data.folderIndex &&
            d.recordIndex == data.recordIndex && d.field == data.field)
            return static_cast<int>(i);
    }
    return kNone;
}

}  // namespace vk
