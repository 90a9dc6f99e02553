#include "core/editor/folder_tree.h"

#include "core/store/password_store.h"

namespace vk {

CFolderTree::CFolderTree() = default;

void CFolderTree::Clear() {
    root_.children.clear();
}

void CFolderTree::BuildFrom(const CPasswordStore& store) {
    Clear();
    for (std::size_t i = 0; i < store.folders.size(); ++i) {
        if (store.folders[i].inUse) InsertByPath(store.folders[i].path, static_cast<int>(i));
    }
}

CFolderTree::Node* CFolderTree::InsertByPath(const std::string& path, int folderIndex) {
    Node* parent = &root_;
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = path.find(kPathSeparator, start);
        if (sep == std::string::npos) break;
        const std::string component = path.substr(start, sep - start);
        Node* found = nullptr;
        for (const auto& child : parent->children) {
            if (child->name == component) {
                found = child.get();
                break;
            }
        }
        if (!found) {
            auto node = std::make_unique<Node>();
            node->name = component;
            node->parent = parent;
            found = node.get();
            parent->children.push_back(std::move(node));
        }
        parent = found;
        start = sep + 1;
    }
    auto node = std::make_unique<Node>();
    node->name = path.substr(start);
    node->folderIndex = folderIndex;
    node->parent = parent;
    Node* result = node.get();
    parent->children.push_back(std::move(node));
    return result;
}

std::string CFolderTree::PathOf(const Node* node) {
    std::string path;
    // Counts components rather than testing for an empty path: a name may itself be empty.
    bool first = true;
    for (; node && node->parent; node = node->parent, first = false) {
        path = first ? node->name : node->name + kPathSeparator + path;
    }
    return path;
}

CFolderTree::Node* CFolderTree::First() const {
    return root_.children.empty() ? nullptr : root_.children.front().get();
}

CFolderTree::Node* CFolderTree::NextPreOrder(const Node* node) const {
    if (!node) return nullptr;
    if (!node->children.empty()) return node->children.front().get();
    while (node && node->parent) {
        const auto& siblings = node->parent->children;
        for (std::size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i].get() == node) return siblings[i + 1].get();
        }
        node = node->parent;
    }
    return nullptr;
}

CFolderTree::Node* CFolderTree::FindByFolderIndex(int folderIndex) const {
    Node* found = nullptr;
    ForEachPreOrder([&](Node& n) {
        if (!found && n.folderIndex == folderIndex) found = &n;
    });
    return found;
}

bool CFolderTree::IsAncestorOf(const Node* ancestor, const Node* node) {
    for (const Node* p = node ? node->parent : nullptr; p; p = p->parent) {
        if (p == ancestor) return true;
    }
    return false;
}

namespace {
void Walk(const std::vector<std::unique_ptr<CFolderTree::Node>>& nodes,
          const std::function<void(CFolderTree::Node&)>& visit) {
    for (const auto& n : nodes) {
        visit(*n);
        Walk(n->children, visit);
    }
}

void CollapseExpanded(CFolderTree::Node& node) {
    if (!node.expanded || node.children.empty()) return;
    node.expanded = false;
    for (auto& child : node.children) CollapseExpanded(*child);
}

void ExpandSubtree(CFolderTree::Node& node) {
    if (node.children.empty()) return;
    node.expanded = true;
    for (auto& child : node.children) ExpandSubtree(*child);
}
}  // namespace

void CFolderTree::ForEachPreOrder(const std::function<void(Node&)>& visit) const {
    Walk(root_.children, visit);
}

void CFolderTree::ExpandAll(Node* start) {
    if (!start || !start->parent) return;
    const auto& siblings = start->parent->children;
    bool reached = false;
    for (const auto& s : siblings) {
        reached = reached || s.get() == start;
        if (reached) ExpandSubtree(*s);
    }
}

void CFolderTree::CollapseAll() {
    for (auto& top : root_.children) CollapseExpanded(*top);
}

}  // namespace vk
