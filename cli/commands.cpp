#include "cli/commands.h"

#include <memory>

#include "cli/command_table.h"
#include "cli/session.h"
#include "core/editor/field_limits.h"
#include "core/editor/folder_tree.h"
#include "core/shell/text_encoding.h"
#include "core/store/password_file.h"

namespace vk::cli {
namespace {

constexpr const char kMasked[] = "*****";

// The first live folder stored under exactly this path.
const CFolder* FindFolder(const CPasswordStore& store, const std::string& path) {
    for (const auto& f : store.folders)
        if (f.inUse && NamesStoredText(f.path, path)) return &f;
    return nullptr;
}

}  // namespace

const CRecord* FindRecord(Session& s, const std::string& file, const std::string& folder,
                          long index) {
    const CFolder* f = FindFolder(s.store, folder);
    if (!f) {
        s.Failed("No folder named \"" + folder + "\" in " + file + ".");
        return nullptr;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= f->records.size()) {
        s.Failed("The folder \"" + folder + "\" has no record " + std::to_string(index) + ".");
        return nullptr;
    }
    return &f->records[static_cast<std::size_t>(index)];
}

int RunInfo(const CommandIo& io, const std::string& file) {
    Session s(io);
    if (!s.Load(file)) return 1;
    const bool protectedFile = StoreIsEnciphered(s.store);
    *io.out << "Version: 3\n"
            << "Protected: " << (protectedFile ? "yes" : "no") << '\n'
            << "Reminder: " << TextAsUtf8(s.store.reminder) << '\n'
            << "Folders: " << s.store.LiveFolderCount() << '\n'
            << "Records: " << s.store.LiveRecordCount() << '\n';
    return 0;
}

int RunList(const CommandIo& io, const std::string& file, const std::string& folder) {
    Session s(io);
    if (!s.Load(file)) return 1;
    if (folder.empty()) {
        CFolderTree tree;
        tree.BuildFrom(s.store);
        tree.ForEachPreOrder([&](CFolderTree::Node& node) {
            if (s.store.IsValidFolderIndex(node.folderIndex))
                *io.out << TextAsUtf8(
                               s.store.folders[static_cast<std::size_t>(node.folderIndex)].path)
                        << '\n';
        });
        return 0;
    }
    const CFolder* f = FindFolder(s.store, folder);
    if (!f) return s.Failed("No folder named \"" + folder + "\" in " + file + ".");
    for (std::size_t i = 0; i < f->records.size(); ++i)
        *io.out << i << '\t' << TextAsUtf8(f->records[i][kDescription]) << '\n';
    return 0;
}

int RunShow(const CommandIo& io, const std::string& file, const std::string& folder, long index,
            bool showProtected) {
    Session s(io);
    if (!s.Load(file)) return 1;
    const CRecord* found = FindRecord(s, file, folder, index);
    if (!found) return 1;
    const CRecord& r = *found;
    for (int field = 0; field < kFieldCount; ++field) {
        const bool hide = field == kPassword && !showProtected && !r[field].empty();
        // Notes come out with the LF line breaks add takes, not the CR LF the file keeps.
        const std::string text =
            IsMultiLineField(field) ? NotesToShown(r[field]) : std::string(r[field]);
        *io.out << DefaultFieldName(field) << ": " << (hide ? kMasked : TextAsUtf8(text)) << '\n';
    }
    return 0;
}

}  // namespace vk::cli

namespace vk::cli {

void AddFileCommands(CommandTable& table) {
    struct Args {
        std::string file, folder;
        long index = 0;
        bool showProtected = false;
    };
    auto a = std::make_shared<Args>();
    const CommandIo& io = table.Io();

    auto* info = table.Add("info", "Version, protection, reminder and counts of a file",
                           [&io, a] { return RunInfo(io, a->file); });
    info->add_option("FILE", a->file, "Password file")->required();

    auto* ls = table.Add("ls", "The folder tree, or the records of one folder",
                         [&io, a] { return RunList(io, a->file, a->folder); });
    ls->add_option("FILE", a->file, "Password file")->required();
    ls->add_option("FOLDER", a->folder, "Folder path, with '~' between the levels");

    auto* show = table.Add("show", "The fields of one record", [&io, a] {
        return RunShow(io, a->file, a->folder, a->index, a->showProtected);
    });
    show->add_option("FILE", a->file, "Password file")->required();
    show->add_option("FOLDER", a->folder, "Folder path, with '~' between the levels")->required();
    AddRecordIndex(show, a->index);
    show->add_flag("--show-protected", a->showProtected, "Show the password instead of *****");
}

}  // namespace vk::cli
