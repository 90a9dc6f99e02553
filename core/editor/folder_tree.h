#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vk {

class CPasswordStore;

// The nesting and order of the folders: the one record of both. Save, undo, search, export
// and the quick-access tree walk it; the editor's tree control shows it.
class CFolderTree {
  public:
    struct Node {
        std::string name;      // the last component of the folder's path
        int folderIndex = -1;  // index into the store's folder table; -1 for none
        bool expanded = false;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };

    CFolderTree();
    CFolderTree(const CFolderTree&) = delete;
    CFolderTree& operator=(const CFolderTree&) = delete;

    void Clear();
    // One insertion per live folder, in table order (parents come before their children).
    void BuildFrom(const CPasswordStore& store);
    // Looks each component but the last up among the children of the previous one (exact,
    // case-sensitive), creating missing ones; the last component is always a new last child.
    Node* InsertByPath(const std::string& path, int folderIndex);
    // A new last child of `parent` (null: a new last top-level node).
    Node* AddChild(Node* parent, const std::string& name, int folderIndex);
    // Takes `node` with its whole subtree out of the tree.
    void Remove(Node* node);

    const std::vector<std::unique_ptr<Node>>& TopLevel() const { return root_.children; }
    bool Empty() const { return root_.children.empty(); }

    // The node's name and its ancestors' names, top level first, joined by '~'.
    static std::string PathOf(const Node* node);
    Node* FindByFolderIndex(int folderIndex) const;
    // First child, else next sibling, else the next sibling of the nearest ancestor.
    Node* NextPreOrder(const Node* node) const;
    Node* First() const;
    static bool IsAncestorOf(const Node* ancestor, const Node* node);

    // Visits every node in display order: a node, then its children, then its next sibling.
    void ForEachPreOrder(const std::function<void(Node&)>& visit) const;

    // Expands `start` and its following siblings that have children, through all descendants.
    static void ExpandAll(Node* start);
    // Collapses every expanded top-level node with children and, recursively, its expanded
    // children; what lies below an already collapsed node stays as it is.
    void CollapseAll();
    // The paths of the expanded nodes, and expanding exactly the nodes with those paths: the
    // expansion survives a rebuild of the tree.
    std::vector<std::string> ExpandedPaths() const;
    void ExpandPaths(const std::vector<std::string>& paths);

    // The next node after `start` in display order whose name matches `text` under the search
    // options and that `accept` takes (every node when none is given). The search wraps from
    // the last node to the first and stops when it comes back to `start`, which is never
    // tested itself; with no `start` every node is tested from the first. Empty text finds
    // nothing.
    Node* FindNext(const std::string& text, const Node* start, std::uint32_t options,
                   const std::function<bool(const Node&)>& accept = nullptr) const;

    // What dropping the folder `dragged` onto `target` (null: the top level) would do.
    enum class MoveCheck {
        kMove,
        kUnchanged,    // onto itself or onto its own parent
        kOntoChild,    // onto one of its descendants
        kNameTaken,    // the target already holds a folder of that name
        kPathTooLong,  // a moved folder's path would pass the longest path a file keeps
    };
    MoveCheck CheckMove(const Node* dragged, const Node* target) const;
    // Makes `dragged` with its whole subtree the last child of `target` (null: the top level)
    // and gives every moved folder in `store` its new path. Check the move first.
    void Move(Node* dragged, Node* target, CPasswordStore& store);

    // Sorts the top-level folders, then the children of every folder, by name ignoring letter
    // case; equal names keep their order.
    void Sort(bool descending);

  private:
    Node root_;
};

// The category whose columns a folder shows: its top-level folder's number when that is 1 to
// 4, else the first category. A node without a folder counts as the first category too.
std::int32_t EffectiveCategory(const CFolderTree::Node* node, const CPasswordStore& store);

}  // namespace vk
