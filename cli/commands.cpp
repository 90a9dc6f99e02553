#include "cli/commands.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/json_form.h"
#include "cli/session.h"
#include "core/editor/folder_tree.h"
#include "core/shell/text_encoding.h"
#include "core/store/password_check.h"
#include "core/store/password_file.h"

namespace vk::cli {
namespace {

constexpr const char kMasked[] = "*****";

// The first live folder stored under exactly this path.
const CFolder* FindFolder(const CPasswordStore& store, const std::string& path) {
    for (const auto& f : store.folders)
        if (f.inUse && f.path == path) return &f;
    return nullptr;
}

}  // namespace

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
    const CFolder* f = FindFolder(s.store, folder);
    if (!f) return s.Failed("No folder named \"" + folder + "\" in " + file + ".");
    if (index < 0 || static_cast<std::size_t>(index) >= f->records.size())
        return s.Failed("The folder \"" + folder + "\" has no record " + std::to_string(index) +
                        ".");
    const CRecord& r = f->records[static_cast<std::size_t>(index)];
    for (int field = 0; field < kFieldCount; ++field) {
        const bool hide = field == kPassword && !showProtected && !r[field].empty();
        *io.out << DefaultFieldName(field) << ": " << (hide ? kMasked : TextAsUtf8(r[field]))
                << '\n';
    }
    return 0;
}

int RunExport(const CommandIo& io, const std::string& file, const std::string& output) {
    Session s(io);
    if (!s.Load(file)) return 1;
    const std::string text = StoreToJson(s.store).dump(2) + "\n";
    if (output.empty() || output == "-") {
        *io.out << text;
        return 0;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!(out << text) || !out.flush()) return s.Failed("Unable to write " + output + ".");
    return 0;
}

int RunImport(const CommandIo& io, const std::string& input, const std::string& file, bool force) {
    Session s(io);
    if (!force && s.Files().Exists(file))
        return s.Failed("The file " + file + " already exists. Use --force to overwrite it.");
    std::ifstream in(input, std::ios::binary);
    if (!in) return s.Failed("Unable to read " + input + ".");
    Json json;
    try {
        json = Json::parse(in);
        StoreFromJson(json, s.store);
    } catch (const JsonFormError& e) {
        return s.Failed(e.what());
    } catch (const Json::exception& e) {
        return s.Failed(std::string("Invalid JSON in ") + input + ": " + e.what());
    }
    if (s.store.encrypted) {
        auto password = s.Passwords().Next("Master password for " + file + ": ");
        if (!password)
            return s.Failed("A master password is needed to protect " + file +
                            ": give it on standard input with --password-stdin.");
        const std::string problem = MasterPasswordProblem(password->view());
        if (!problem.empty()) return s.Failed(problem);
        s.store.masterPassword = *password;
    }
    s.store.filePath = file;
    s.store.loadComplete = true;
    return s.Save() ? 0 : 1;
}

}  // namespace vk::cli
