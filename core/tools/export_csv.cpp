#include "core/tools/export_csv.h"

#include "core/shell/text_format.h"
#include "core/shell/user_prompt.h"
#include "core/store/atomic_file.h"
#include "core/tools/export_import_messages.h"

namespace vk {
namespace {

// One line of text: carriage returns become blanks, line feeds vanish; double quotes are
// dropped too when `dropQuotes` is set.
void AppendOneLine(std::string& out, const std::string& text, bool dropQuotes) {
    for (char c : text) {
        if (c == '\r')
            out += ' ';
        else if (c != '\n' && !(dropQuotes && c == '"'))
            out += c;
    }
}

void AppendQuoted(std::string& out, const std::string& text) {
    out += '"';
    AppendOneLine(out, text, true);
    out += '"';
}

std::string FolderColumn(const CFolderTree::Node* node) {
    std::string path = CFolderTree::PathOf(node);
    for (char& c : path)
        if (c == kPathSeparator) c = '\\';
    return path;
}

void AppendHeading(std::string& out, const ExportChoice& choice) {
    bool first = true;
    auto separate = [&] {
        if (!first) out += ',';
        first = false;
    };
    if (choice.folderNames) {
        separate();
        out += msg::kFolderHeading;
    }
    for (int field = 0; field < kFieldCount; ++field) {
        if (!choice.fields[static_cast<std::size_t>(field)]) continue;
        separate();
        std::string name;
        AppendOneLine(name, choice.columnNames[static_cast<std::size_t>(field)], false);
        if (name.empty() || name[0] != '"') name = '"' + name + '"';
        out += name;
    }
    out += "\r\n";
}

}  // namespace

std::vector<const CFolderTree::Node*> ExportWalkOrder(const CFolderTree& tree) {
    using Siblings = std::vector<std::unique_ptr<CFolderTree::Node>>;
    std::vector<const CFolderTree::Node*> order;
    // Each entry is a run of siblings: all of them come first, then the children of the last
    // one, then those of the one before it, and so on.
    std::vector<const Siblings*> pending{&tree.TopLevel()};
    while (!pending.empty()) {
        const Siblings* siblings = pending.back();
        pending.pop_back();
        for (const auto& node : *siblings) order.push_back(node.get());
        for (const auto& node : *siblings)
            if (!node->children.empty()) pending.push_back(&node->children);
    }
    return order;
}

std::string ExportText(const CPasswordStore& store, const CFolderTree& tree,
                       const ExportChoice& choice) {
    std::string out;
    if (choice.heading) AppendHeading(out, choice);
    for (const CFolderTree::Node* node : ExportWalkOrder(tree)) {
        if (!choice.IsTicked(node->folderIndex) || !store.IsValidFolderIndex(node->folderIndex))
            continue;
        const CFolder& folder = store.folders[static_cast<std::size_t>(node->folderIndex)];
        if (!folder.inUse || folder.records.empty()) continue;
        const std::string folderColumn = choice.folderNames ? FolderColumn(node) : std::string();
        for (const CRecord& record : folder.records) {
            std::size_t length = 0;
            for (int field = 0; field < kFieldCount; ++field)
                if (choice.fields[static_cast<std::size_t>(field)]) length += record[field].size();
            if (length == 0) continue;
            bool first = true;
            if (choice.folderNames) {
                AppendQuoted(out, folderColumn);
                first = false;
            }
            for (int field = 0; field < kFieldCount; ++field) {
                if (!choice.fields[static_cast<std::size_t>(field)]) continue;
                if (!first) out += ',';
                first = false;
                AppendQuoted(out, record[field]);
            }
            out += "\r\n";
        }
    }
    return out;
}

bool WriteExportFile(IFileSystem& fs, IUserPrompt& prompt, const std::string& path,
                     const std::string& text) {
    bool opened = false;
    const FileStatus status = WriteOwnerOnlyFile(fs, path, text, &opened);
    if (status.ok()) return true;
    prompt.ShowError(
        FileExceptionShortText(opened ? "" : msg::kCouldNotOpenExport, status.error, path));
    return false;
}

}  // namespace vk
