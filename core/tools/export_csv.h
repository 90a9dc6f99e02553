#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/editor/folder_tree.h"
#include "core/store/password_store.h"

namespace vk {

class IFileSystem;
class IUserPrompt;

// What the user ticked on the Export page.
struct ExportChoice {
    std::vector<bool> folders;  // by folder index; an index beyond the end is not ticked
    std::array<bool, kFieldCount> fields{};
    bool folderNames = false;                          // the folder column
    bool heading = false;                              // the column heading line
    std::array<std::string, kFieldCount> columnNames;  // as configured, for the heading

    bool IsTicked(int folderIndex) const {
        return folderIndex >= 0 && static_cast<std::size_t>(folderIndex) < folders.size() &&
               folders[static_cast<std::size_t>(folderIndex)];
    }
};

// The folders in the order export (and import's search for the ticked folder) walks them: an
// item, then the walk of its next sibling, then its first child. For A (children A1, A2) and
// B (child B1) that is A, B, B1, A1, A2. No recursion: a tree of any width or depth is fine.
std::vector<const CFolderTree::Node*> ExportWalkOrder(const CFolderTree& tree);

// The export file's bytes: the heading when asked for, then one line per record of each
// ticked live folder in walk order whose ticked fields hold any text, every line ending in
// CR LF. Texts are written as stored, without conversion.
std::string ExportText(const CPasswordStore& store, const CFolderTree& tree,
                       const ExportChoice& choice);

// Replaces `path` with `text` in one step, owner-only. On failure shows the short file report
// ("Could not open the file." when the file could not be made) and returns false; the old
// file is then untouched.
bool WriteExportFile(IFileSystem& fs, IUserPrompt& prompt, const std::string& path,
                     const std::string& text);

}  // namespace vk
