#pragma once

namespace vk {

class CPasswordStore;
class CFolderTree;

// The four folders a new file may start with: Banking, Internet, Software and Email, each
// of its own category and holding one blank record. Marks the store modified.
void AddDefaultFolders(CPasswordStore& store, CFolderTree& tree);

}  // namespace vk
