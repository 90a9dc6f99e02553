#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/settings.h"

namespace vk {

class CFolderTree;
class CPasswordStore;

// What an item of the quick-access tree stands for. A folder item names its folder's first
// record and field 0, so Copy on a folder gives that record's Description.
struct QuickItemData {
    int folderIndex = 0;
    int recordIndex = 0;
    int field = 0;  // 0..10
    int slot = 0;   // position of the field in the category's column set
    bool showsPassword = false;
    bool isFolder = false;
    std::int32_t category = kCategoryDefault;  // the top-level folder's, 1..4
};

// The quick-access tree as a model: folders in the order of the folder tree, below each
// folder a record node (the record's first non-empty shown field) with the record's other
// non-empty shown fields under it, in column order. Items hold folder and record indexes
// only; their texts are read from the store when asked for, with every index checked.
class CQuickAccessTree {
  public:
    static constexpr int kNone = -1;
    // Images: 0 folder, 1 selected folder, 2.. the column icons in icon table order.
    static constexpr int kFolderImage = 0;
    static constexpr int kSelectedFolderImage = 1;
    static constexpr int kFirstFieldImage = 2;

    struct Node {
        QuickItemData data;
        bool hasData = false;  // false for a folder level that has no folder of its own
        std::string label;     // a folder's name; empty for field items
        int image = kFolderImage;
        int parent = kNone;
        int nextSibling = kNone;
        std::vector<int> children;
    };

    CQuickAccessTree(const CPasswordStore& store, const CSettings& settings)
        : store_(store), settings_(settings) {}

    // Rebuilds every item from the folder tree and the store.
    void Build(const CFolderTree& folders);
    void Clear();

    const std::vector<int>& TopLevel() const { return topLevel_; }
    const Node& At(int id) const { return nodes_[static_cast<std::size_t>(id)]; }
    bool IsValid(int id) const { return id >= 0 && static_cast<std::size_t>(id) < nodes_.size(); }
    std::size_t Size() const { return nodes_.size(); }

    // The text the tree shows: a password reads "*****" while `Mask` is on.
    std::string DisplayText(int id) const;
    // The text copied, typed and dragged: never masked. A folder level without a folder of
    // its own gives its name.
    std::string ValueText(int id) const;
    // Field `field` (0..13) of the item's record, unmasked; empty when there is none.
    std::string RecordField(int id, int field) const;

    // First child, else next sibling, else the next sibling of the nearest ancestor.
    int NextPreOrder(int id) const;
    // The next item after `start` (the first top-level item when none) whose shown text
    // matches, wrapping at the end; `start` itself is never tested. kNone when none.
    int FindNext(const std::string& text, int start, std::uint32_t options) const;
    // The item of this folder, record and field; kNone when the tree has none.
    int Find(const QuickItemData& data) const;

  private:
    int Add(int parent, Node node);
    void AddRecords(int folderItem, QuickItemData folder);  // a copy: the nodes move as they grow
    int ImageOfField(int field) const;

    const CPasswordStore& store_;
    const CSettings& settings_;
    std::vector<Node> nodes_;
    std::vector<int> topLevel_;
};

}  // namespace vk
