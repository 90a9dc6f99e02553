#include "core/editor/default_folders.h"

#include "core/editor/folder_tree.h"
#include "core/store/password_store.h"

namespace vk {

void AddDefaultFolders(CPasswordStore& store, CFolderTree& tree) {
    static const char* const kNames[] = {"Banking", "Internet", "Software", "Email"};
    static const std::int32_t kCategories[] = {3, 2, 4, 1};
    const std::size_t first = store.folders.size();
    for (int i = 0; i < 4; ++i) {
        const int index = store.AddFolder(kNames[i], kCategoryDefault);
        tree.InsertByPath(kNames[i], index);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        CFolder& folder = store.folders[first + i];
        folder.category = kCategories[i];
        folder.records.emplace_back();
    }
    store.modified = true;
}

}  // namespace vk
