#include "core/editor/folder_tree.h"

#include <algorithm>
#include <unordered_set>

#include "core/editor/text_order.h"
#include "core/shell/search_match.h"
#include "core/store/file_layout.h"
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

CFolderTree::Node* CFolderTree::AddChild(Node* parent, const std::string& name, int folderIndex) {
    if (!parent) parent = &root_;
    auto node = std::make_unique<Node>();
    node->name = name;
    node->folderIndex = folderIndex;
    node->parent = parent;
    parent->children.push_back(std::move(node));
    return parent->children.back().get();
}

void CFolderTree::Remove(Node* node) {
    if (!node || !node->parent) return;
    auto& siblings = node->parent->children;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
        if (it->get() == node) {
            siblings.erase(it);
            return;
        }
    }
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

std::vector<std::string> CFolderTree::ExpandedPaths() const {
    std::vector<std::string> paths;
    ForEachPreOrder([&](Node& n) {
        if (n.expanded) paths.push_back(PathOf(&n));
    });
    return paths;
}

void CFolderTree::ExpandPaths(const std::vector<std::string>& paths) {
    const std::unordered_set<std::string> wanted(paths.begin(), paths.end());
    ForEachPreOrder([&](Node& n) { n.expanded = wanted.count(PathOf(&n)) != 0; });
}

CFolderTree::Node* CFolderTree::FindNext(const std::string& text, const Node* start,
                                         std::uint32_t options,
                                         const std::function<bool(const Node&)>& accept) const {
    if (text.empty() || Empty()) return nullptr;
    Node* node = start ? NextPreOrder(start) : First();
    for (bool wrapped = false;;) {
        if (!node) {
            // Past the end: once round from the first node, and never twice.
            if (wrapped || !start) return nullptr;
            wrapped = true;
            node = First();
        }
        if (node == start) return nullptr;
        if (SearchMatches(node->name, text, options) && (!accept || accept(*node))) return node;
        node = NextPreOrder(node);
    }
}

CFolderTree::MoveCheck CFolderTree::CheckMove(const Node* dragged, const Node* target) const {
    if (!dragged) return MoveCheck::kUnchanged;
    const Node* newParent = target ? target : &root_;
    if (target == dragged || newParent == dragged->parent) return MoveCheck::kUnchanged;
    if (IsAncestorOf(dragged, target)) return MoveCheck::kOntoChild;
    for (const auto& child : newParent->children) {
        if (child->name == dragged->name) return MoveCheck::kNameTaken;
    }
    // Each moved path: the target's path, then the part below the dragged folder's parent.
    const std::size_t oldBase =
        dragged->parent && dragged->parent->parent ? PathOf(dragged->parent).size() + 1 : 0;
    const std::size_t newBase = target ? PathOf(target).size() + 1 : 0;
    bool tooLong = false;
    const std::function<void(const Node&)> measure = [&](const Node& n) {
        if (newBase + PathOf(&n).size() - oldBase > file_layout::kFolderPathReadBytes)
            tooLong = true;
        for (const auto& c : n.children) measure(*c);
    };
    measure(*dragged);
    return tooLong ? MoveCheck::kPathTooLong : MoveCheck::kMove;
}

void CFolderTree::Move(Node* dragged, Node* target, CPasswordStore& store) {
    if (!dragged || !dragged->parent) return;
    Node* newParent = target ? target : &root_;
    auto& siblings = dragged->parent->children;
    const auto at =
        std::find_if(siblings.begin(), siblings.end(),
                     [&](const std::unique_ptr<Node>& n) { return n.get() == dragged; });
    if (at == siblings.end()) return;
    std::unique_ptr<Node> moved = std::move(*at);
    siblings.erase(at);
    moved->parent = newParent;
    newParent->children.push_back(std::move(moved));
    const std::function<void(const Node&)> rename = [&](const Node& n) {
        if (store.IsValidFolderIndex(n.folderIndex))
            store.folders[static_cast<std::size_t>(n.folderIndex)].path = PathOf(&n);
        for (const auto& c : n.children) rename(*c);
    };
    rename(*dragged);
}

namespace {
void SortChildren(std::vector<std::unique_ptr<CFolderTree::Node>>& nodes, bool descending) {
    std::vector<std::pair<std::string, std::unique_ptr<CFolderTree::Node>>> keyed;
    keyed.reserve(nodes.size());
    for (auto& n : nodes) keyed.emplace_back(NoCaseKey(n->name), std::move(n));
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? a.first > b.first : a.first < b.first;
    });
    for (std::size_t i = 0; i < nodes.size(); ++i) nodes[i] = std::move(keyed[i].second);
    for (auto& n : nodes) SortChildren(n->children, descending);
}
}  // namespace

void CFolderTree::Sort(bool descending) {
    SortChildren(root_.children, descending);
}

std::int32_t EffectiveCategory(const CFolderTree::Node* node, const CPasswordStore& store) {
    while (node && node->parent && node->parent->parent) node = node->parent;
    if (!node || !store.IsValidFolderIndex(node->folderIndex)) return kCategoryDefault;
    return NormaliseCategory(store.folders[static_cast<std::size_t>(node->folderIndex)].category);
}

}  // namespace vk
