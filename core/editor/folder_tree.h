#pragma once
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

  private:
    Node root_;
};

}  // namespace vk
