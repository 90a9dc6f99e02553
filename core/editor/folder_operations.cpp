#include "core/editor/folder_operations.h"

#include <algorithm>

#include "core/editor/edit_messages.h"
#include "core/editor/editor_messages.h"
#include "core/shell/messages.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/store/file_layout.h"
#include "core/store/password_store.h"

namespace vk {
namespace {

using Node = CFolderTree::Node;

// The bytes the longest path in `node`'s subtree has beyond `node`'s own path.
std::size_t DeepestTail(const Node& node) {
    std::size_t deepest = 0;
    for (const auto& child : node.children)
        deepest = std::max(deepest, 1 + child->name.size() + DeepestTail(*child));
    return deepest;
}

CFolder* FolderOf(CPasswordStore& store, const Node* node) {
    if (!node || !store.IsValidFolderIndex(node->folderIndex)) return nullptr;
    return &store.folders[static_cast<std::size_t>(node->folderIndex)];
}

void ForSubtree(Node& node, const std::function<void(Node&)>& visit) {
    visit(node);
    for (auto& child : node.children) ForSubtree(*child, visit);
}

}  // namespace

FolderNameCheck CheckFolderName(const CFolderTree& tree, const Node* parent, const Node* self,
                                const std::string& name) {
    if (name.empty()) return FolderNameCheck::kEmpty;
    if (self) {
        if (name == self->name) return FolderNameCheck::kUnchanged;
        parent = self->parent && self->parent->parent ? self->parent : nullptr;
    }
    const auto& siblings = parent ? parent->children : tree.TopLevel();
    for (const auto& sibling : siblings)
        if (sibling.get() != self && sibling->name == name) return FolderNameCheck::kTaken;
    if (name.find(kPathSeparator) != std::string::npos) return FolderNameCheck::kTilde;
    if (name.find_first_of("\r\n") != std::string::npos) return FolderNameCheck::kLineBreak;
    const std::size_t base = parent ? CFolderTree::PathOf(parent).size() + 1 : 0;
    const std::size_t below = self ? DeepestTail(*self) : 0;
    if (base + name.size() + below > file_layout::kFolderPathReadBytes)
        return FolderNameCheck::kTooLong;
    return FolderNameCheck::kAccepted;
}

std::string FolderNameMessage(FolderNameCheck check) {
    switch (check) {
        case FolderNameCheck::kEmpty:
            return msg::kFolderNameEmpty;
        case FolderNameCheck::kTaken:
            return msg::kFolderNameTaken;
        case FolderNameCheck::kTilde:
            return FormatText(msg::kNoTildeFormat, kPathSeparator);
        case FolderNameCheck::kLineBreak:
            return msg::kFolderNameLineBreak;
        case FolderNameCheck::kTooLong:
            return FormatText(msg::kFolderPathTooLongFormat, msg::kFolderPathLimitShown);
        case FolderNameCheck::kAccepted:
        case FolderNameCheck::kUnchanged:
            break;
    }
    return {};
}

void ShowFolderNameRefusal(IUserPrompt& prompt, FolderNameCheck check, bool explainEmpty) {
    if (check == FolderNameCheck::kEmpty && !explainEmpty) return;
    const std::string text = FolderNameMessage(check);
    if (text.empty()) return;
    prompt.ShowMessage(
        text, MessageButtons::kOk,
        check == FolderNameCheck::kTooLong ? MessageIcon::kStop : MessageIcon::kDefault);
}

std::int32_t NewFolderCategory(const Node* parent, const CPasswordStore& store,
                               std::int32_t defaultCategory) {
    return parent ? EffectiveCategory(parent, store) : NormaliseCategory(defaultCategory);
}

Node* CreateFolder(CPasswordStore& store, CFolderTree& tree, Node* parent, const std::string& name,
                   std::int32_t category) {
    const std::string path = parent ? CFolderTree::PathOf(parent) + kPathSeparator + name : name;
    const int index = store.AddFolder(path, category);
    store.modified = true;
    return tree.AddChild(parent, name, index);
}

void RenameFolder(CPasswordStore& store, Node* node, const std::string& name,
                  const TakeSnapshot& snapshot) {
    if (!node || node->name == name) return;
    if (snapshot) snapshot(msg::kUndoRenameFolder + node->name, true);
    node->name = name;
    ForSubtree(*node, [&](Node& n) {
        if (CFolder* folder = FolderOf(store, &n)) folder->path = CFolderTree::PathOf(&n);
    });
    store.modified = true;
}

std::string DeleteFolderQuestion(const std::string& name) {
    return FormatText(msg::kDeleteFolderFormat, name.c_str());
}

void DeleteFolder(CPasswordStore& store, CFolderTree& tree, Node* node,
                  const TakeSnapshot& snapshot) {
    if (!node) return;
    if (snapshot) snapshot(msg::kUndoDeleteFolder + node->name, true);
    ForSubtree(*node, [&](Node& n) {
        if (CFolder* folder = FolderOf(store, &n)) folder->inUse = false;
    });
    tree.Remove(node);
    store.modified = true;
}

void SetFolderCategory(CPasswordStore& store, const Node* node, std::int32_t category) {
    CFolder* folder = FolderOf(store, node);
    if (!folder) return;
    const std::int32_t normal = NormaliseCategory(category);
    if (folder->category == normal) return;
    folder->category = normal;
    store.modified = true;
}

Node* FindFolderByPath(const CFolderTree& tree, const CPasswordStore& store,
                       const std::string& path) {
    Node* found = nullptr;
    tree.ForEachPreOrder([&](Node& n) {
        if (found || !store.IsValidFolderIndex(n.folderIndex)) return;
        const CFolder& folder = store.folders[static_cast<std::size_t>(n.folderIndex)];
        if (folder.inUse && NamesStoredText(folder.path, path)) found = &n;
    });
    return found;
}

}  // namespace vk
