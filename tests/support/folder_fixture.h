#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/editor/folder_tree.h"
#include "core/store/password_store.h"

namespace vk::test {

// A store and its folder tree built from folder paths, for the editor's core tests.
struct FolderFixture {
    CPasswordStore store;
    CFolderTree tree;

    // Appends a folder whose records hold the given descriptions, and rebuilds the tree.
    int Add(const std::string& path, std::int32_t category = 1,
            std::initializer_list<const char*> descriptions = {}) {
        const int index = store.AddFolder(path, category);
        auto& records = store.folders.back().records;
        for (const char* d : descriptions) {
            CRecord r;
            r[kDescription] = d;
            records.push_back(r);
        }
        tree.BuildFrom(store);
        return index;
    }
    CFolderTree::Node* Node(const std::string& path) const {
        CFolderTree::Node* found = nullptr;
        tree.ForEachPreOrder([&](CFolderTree::Node& n) {
            if (!found && CFolderTree::PathOf(&n) == path) found = &n;
        });
        return found;
    }
    // The tree's paths in display order.
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        tree.ForEachPreOrder(
            [&](CFolderTree::Node& n) { paths.push_back(CFolderTree::PathOf(&n)); });
        return paths;
    }
    std::vector<std::string> Descriptions(int folder) const {
        std::vector<std::string> out;
        for (const CRecord& r : store.folders.at(static_cast<std::size_t>(folder)).records)
            out.push_back(r[kDescription]);
        return out;
    }
};

}  // namespace vk::test
