#include "core/editor/undo.h"

#include "core/editor/folder_tree.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_rules.h"

namespace vk {
namespace {

// Labels longer than this are cut to kUndoLabelCut bytes and "..." is appended.
constexpr std::size_t kUndoLabelLongest = 31;
constexpr std::size_t kUndoLabelCut = 28;

}  // namespace

void TakeRecordSnapshot(CPasswordStore& store, std::string label) {
    store.undo.Push(UndoSnapshot{store.folders, std::move(label), UndoKind::kRecord});
}

void TakeFolderSnapshot(CPasswordStore& store, const CFolderTree& tree, std::string label) {
    UndoSnapshot snapshot{{}, std::move(label), UndoKind::kFolder};
    tree.ForEachPreOrder([&](CFolderTree::Node& node) {
        if (!store.IsValidFolderIndex(node.folderIndex)) return;
        CFolder copy = store.folders[static_cast<std::size_t>(node.folderIndex)];
        copy.path = CFolderTree::PathOf(&node);
        snapshot.folders.push_back(std::move(copy));
    });
    store.undo.Push(std::move(snapshot));
}

bool TreeMatchesStore(const CFolderTree& tree, const CPasswordStore& store) {
    bool matches = true;
    std::size_t nodes = 0;
    tree.ForEachPreOrder([&](CFolderTree::Node& node) {
        ++nodes;
        if (!matches) return;
        if (!store.IsValidFolderIndex(node.folderIndex)) {
            matches = false;
            return;
        }
        const CFolder& folder = store.folders[static_cast<std::size_t>(node.folderIndex)];
        matches = folder.inUse && folder.path == CFolderTree::PathOf(&node);
    });
    return matches && nodes == store.LiveFolderCount();
}

std::optional<UndoResult> Undo(CPasswordStore& store, CFolderTree& tree) {
    if (!store.undo.CanUndo()) return std::nullopt;
    UndoSnapshot step = store.undo.TakeLatest();
    store.folders = std::move(step.folders);
    store.modified = true;
    UndoResult result{step.kind, false};
    // A record step taken before a folder step was undone holds the older folder order: the
    // tree must follow it, or its folder indexes would name other folders.
    if (step.kind == UndoKind::kFolder || !TreeMatchesStore(tree, store)) {
        const auto expanded = tree.ExpandedPaths();
        tree.BuildFrom(store);
        tree.ExpandPaths(expanded);
        result.treeRebuilt = true;
    }
    return result;
}

std::string UndoMenuText(const CUndoRing& ring) {
    const UndoSnapshot* latest = ring.Latest();
    if (!latest) return "&Undo";
    std::string label = latest->label;
    if (label.size() > kUndoLabelLongest)
        label = label.substr(0, FitToBytes(label, kUndoLabelCut)) + "...";
    return "&Undo " + MenuTextOfName(label);
}

}  // namespace vk
