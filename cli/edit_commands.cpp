// Editing from scripts: search, folders and records, through the editor's own operations and
// with the settings a new user starts with.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/command_table.h"
#include "cli/session.h"
#include "core/editor/edit_messages.h"
#include "core/editor/field_limits.h"
#include "core/editor/folder_operations.h"
#include "core/editor/item_search.h"
#include "core/editor/record_dates.h"
#include "core/editor/record_operations.h"
#include "core/editor/search_history.h"
#include "core/quickaccess/quick_access_messages.h"
#include "core/settings/settings.h"
#include "core/shell/text_encoding.h"
#include "core/shell/text_format.h"
#include "core/store/field_names.h"

namespace vk::cli {
namespace {

using Node = CFolderTree::Node;

// One FIELD=VALUE argument: the value is everything after the first '='.
struct Assignment {
    int field;
    std::string value;
};

// A loaded file with its folder tree, ready for the editor's operations.
class EditSession {
  public:
    // A session that `changesFile` leaves the records it does not touch as they were stored.
    EditSession(const CommandIo& io, bool changesFile) : s(io) {
        if (changesFile) s.KeepStoredDateTexts();
    }

    bool Load(const std::string& file) {
        file_ = file;
        if (!s.Load(file)) return false;
        tree.BuildFrom(s.store);
        return true;
    }
    int Failed(const std::string& text) { return s.Failed(text); }
    // A refused command line (no '=' in FIELD=VALUE, an INDEX that is no number).
    int UsageError(const std::string& text) {
        usage_ = true;
        return s.Failed(text);
    }
    // What a refusal exits with.
    int Refused() const { return usage_ ? kUsageError : 1; }
    // Loads the file and finds FOLDER in it; null after saying why not.
    Node* Open(const std::string& file, const std::string& path) {
        return Load(file) ? Folder(path) : nullptr;
    }
    int SaveOr1() { return s.Save() ? 0 : 1; }

    // The first folder `ls` lists under `path`; reports it missing otherwise.
    Node* Folder(const std::string& path) {
        Node* node = FindFolderByPath(tree, s.store, path);
        if (!node) s.Failed("No folder named \"" + path + "\" in " + file_ + ".");
        return node;
    }
    // The record INDEX names; one the folder does not have is reported.
    std::optional<int> Record(const Node* folder, const std::string& path, long index) {
        const auto& records =
            s.store.folders[static_cast<std::size_t>(folder->folderIndex)].records;
        if (index >= 0 && static_cast<std::size_t>(index) < records.size())
            return static_cast<int>(index);
        s.Failed("The folder \"" + path + "\" has no record " + std::to_string(index) + ".");
        return std::nullopt;
    }
    bool NameAccepted(FolderNameCheck check) {
        if (check == FolderNameCheck::kAccepted || check == FolderNameCheck::kUnchanged)
            return true;
        s.Failed(FolderNameMessage(check));
        return false;
    }

    // Writes every assignment into the record at `row`, in the order given.
    void Apply(const Node* folder, int row, const std::vector<Assignment>& assignments) {
        RecordEditEnv env{s.store, settings, s.Dates(), {}};
        for (const Assignment& a : assignments) {
            const CellRef cell{folder->folderIndex, row, a.field,
                               EffectiveCategory(folder, s.store)};
            if (a.field == kDateAssigned || a.field == kDateExpires)
                CommitCellDate(env, cell, a.value.empty() ? SystemTime{} : *ParseIsoDate(a.value));
            else
                CommitCellText(env, cell,
                               IsMultiLineField(a.field) ? NotesToStored(a.value) : a.value);
        }
    }

    Session s;
    CFolderTree tree;
    const CSettings settings;  // what a new user starts with, never the user's own

  private:
    std::string file_;
    bool usage_ = false;
};

// Reads FIELD=VALUE arguments; a refusal is reported and gives nothing.
std::optional<std::vector<Assignment>> ParseAssignments(EditSession& e,
                                                        const std::vector<std::string>& args) {
    std::vector<Assignment> out;
    for (const std::string& arg : args) {
        const std::size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            // Not echoed: a forgotten '=' leaves the value, perhaps a password, in the word.
            e.UsageError("Expected FIELD=VALUE: an argument after the folder holds no '='.");
            return std::nullopt;
        }
        const std::string name = arg.substr(0, eq), value = arg.substr(eq + 1);
        const auto field = FieldFromName(name);
        if (!field) {
            e.UsageError("No field named \"" + name +
                         "\": give its name as show prints it, its short word, or 0 to 13.");
            return std::nullopt;
        }
        if ((*field == kDateAssigned || *field == kDateExpires) && !value.empty()) {
            if (!ParseIsoDate(value)) {
                e.Failed(FormatText(msg::kNotADateFormat, value.c_str()));
                return std::nullopt;
            }
        } else if (const std::string problem = FieldValueProblem(*field, value); !problem.empty()) {
            e.Failed(problem);
            return std::nullopt;
        }
        out.push_back({*field, value});
    }
    return out;
}

// FOLDER split at its last '~': the parent's path (empty for the top level) and the name.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const std::size_t sep = path.rfind(kPathSeparator);
    if (sep == std::string::npos) return {std::string(), path};
    return {path.substr(0, sep), path.substr(sep + 1)};
}

}  // namespace

int RunSearch(const CommandIo& io, const std::string& file, const std::string& text, bool matchCase,
              bool wholeField) {
    if (text.empty()) {
        *io.err << "The search text is empty.\n";
        return kUsageError;
    }
    EditSession e(io, false);
    if (!e.Load(file)) return 1;
    const std::uint32_t options = SearchOptionsFromBoxes(wholeField, matchCase);
    const auto matches = FindAllItems(e.tree, e.s.store, e.settings, text, options);
    if (matches.empty()) return e.Failed(msg::kSearchNotFound);
    for (const ItemMatch& m : matches) {
        *io.out << TextAsUtf8(e.s.store.folders[static_cast<std::size_t>(m.folder)].path) << '\t'
                << m.record << '\t' << DefaultFieldName(m.field) << '\n';
    }
    return 0;
}

int RunMkdir(const CommandIo& io, const std::string& file, const std::string& path,
             std::int32_t category) {
    EditSession e(io, true);
    if (!e.Load(file)) return 1;
    const auto [parentPath, name] = SplitPath(path);
    Node* parent = nullptr;
    if (path.find(kPathSeparator) != std::string::npos && !(parent = e.Folder(parentPath)))
        return 1;
    if (!e.NameAccepted(CheckFolderName(e.tree, parent, nullptr, name))) return 1;
    CreateFolder(e.s.store, e.tree, parent, name,
                 parent ? NewFolderCategory(parent, e.s.store, category) : category);
    return e.SaveOr1();
}

int RunRename(const CommandIo& io, const std::string& file, const std::string& path,
              const std::string& name) {
    EditSession e(io, true);
    Node* node = e.Open(file, path);
    if (!node) return 1;
    const FolderNameCheck check = CheckFolderName(e.tree, nullptr, node, name);
    if (!e.NameAccepted(check)) return 1;
    if (check == FolderNameCheck::kUnchanged) return 0;
    RenameFolder(e.s.store, node, name, {});
    return e.SaveOr1();
}

int RunRmdir(const CommandIo& io, const std::string& file, const std::string& path) {
    EditSession e(io, true);
    Node* node = e.Open(file, path);
    if (!node) return 1;
    DeleteFolder(e.s.store, e.tree, node, {});
    return e.SaveOr1();
}

int RunAdd(const CommandIo& io, const std::string& file, const std::string& path,
           const std::vector<std::string>& args) {
    EditSession e(io, true);
    // The command line is checked before the file is opened and its password asked for.
    const auto assignments = ParseAssignments(e, args);
    if (!assignments) return e.Refused();
    Node* node = e.Open(file, path);
    if (!node) return 1;
    const int row = AddRecord(e.s.store, node->folderIndex);
    e.Apply(node, row, *assignments);
    const auto& records = e.s.store.folders[static_cast<std::size_t>(node->folderIndex)].records;
    if (records[static_cast<std::size_t>(row)].IsEmpty()) {
        for (int earlier = 0; earlier < row; ++earlier)
            if (records[static_cast<std::size_t>(earlier)].IsEmpty())
                return e.Failed("The folder \"" + path + "\" already holds an empty record " +
                                std::to_string(earlier) + "; a file keeps one per folder.");
    }
    if (const int status = e.SaveOr1()) return status;
    *io.out << row << '\n';
    return 0;
}

int RunEdit(const CommandIo& io, const std::string& file, const std::string& path, long index,
            const std::vector<std::string>& args) {
    EditSession e(io, true);
    const auto assignments = ParseAssignments(e, args);
    if (!assignments) return e.Refused();
    Node* node = e.Open(file, path);
    const auto row = node ? e.Record(node, path, index) : std::nullopt;
    if (!row) return 1;
    e.Apply(node, *row, *assignments);
    return e.SaveOr1();
}

int RunRm(const CommandIo& io, const std::string& file, const std::string& path, long index) {
    EditSession e(io, true);
    Node* node = e.Open(file, path);
    const auto row = node ? e.Record(node, path, index) : std::nullopt;
    if (!row) return 1;
    RecordEditEnv env{e.s.store, e.settings, e.s.Dates(), {}};
    DeleteRecords(env, node->folderIndex, {*row}, false, -1);
    return e.SaveOr1();
}

void AddEditCommands(CommandTable& table) {
    struct Args {
        std::string file, folder, text, name;
        long index = 0;
        std::vector<std::string> assignments;
        std::int32_t category = kCategoryDefault;
        bool matchCase = false, wholeField = false;
    };
    auto a = std::make_shared<Args>();
    a->category = CSettings().defaultCategory;
    const CommandIo& io = table.Io();
    const char* const kFolderHelp = "Folder path as ls prints it, with '~' between the levels";
    const char* const kAssignHelp =
        "FIELD=VALUE: a field as show names it (any case), its short word or 0 to 13; an empty "
        "VALUE empties the field; dates as YYYY-MM-DD";

    auto* search = table.Add("search", "Records whose fields hold a text, in tree order", [&io, a] {
        return RunSearch(io, a->file, a->text, a->matchCase, a->wholeField);
    });
    search->add_option("FILE", a->file, "Password file")->required();
    search->add_option("TEXT", a->text, "Text to look for")->required();
    search->add_flag("--match-case", a->matchCase, "Letter case must match");
    search->add_flag("--whole-field", a->wholeField, "The whole field must match, not a part");

    auto* mkdir = table.Add("mkdir", "Add a folder, last among its siblings",
                            [&io, a] { return RunMkdir(io, a->file, a->folder, a->category); });
    mkdir->add_option("FILE", a->file, "Password file")->required();
    mkdir->add_option("FOLDER", a->folder, "Path of the new folder; its parent must exist")
        ->required();
    mkdir
        ->add_option("--category", a->category,
                     "Category 1 to 4 of a top-level folder (default 1); a subfolder shows its "
                     "top-level folder's")
        ->check(CLI::Range(1, kCategoryCount));

    auto* rename = table.Add("rename", "Give a folder a new name",
                             [&io, a] { return RunRename(io, a->file, a->folder, a->name); });
    rename->add_option("FILE", a->file, "Password file")->required();
    rename->add_option("FOLDER", a->folder, kFolderHelp)->required();
    rename->add_option("NAME", a->name, "The new name (no '~')")->required();

    auto* rmdir = table.Add("rmdir", "Delete a folder with its subfolders and records",
                            [&io, a] { return RunRmdir(io, a->file, a->folder); });
    rmdir->add_option("FILE", a->file, "Password file")->required();
    rmdir->add_option("FOLDER", a->folder, kFolderHelp)->required();

    auto* add = table.Add("add", "Append a record to a folder and print its index",
                          [&io, a] { return RunAdd(io, a->file, a->folder, a->assignments); });
    add->add_option("FILE", a->file, "Password file")->required();
    add->add_option("FOLDER", a->folder, kFolderHelp)->required();
    add->add_option("FIELD=VALUE", a->assignments, kAssignHelp)->required();

    auto* edit = table.Add("edit", "Change the given fields of a record", [&io, a] {
        return RunEdit(io, a->file, a->folder, a->index, a->assignments);
    });
    edit->add_option("FILE", a->file, "Password file")->required();
    edit->add_option("FOLDER", a->folder, kFolderHelp)->required();
    AddRecordIndex(edit, a->index);
    edit->add_option("FIELD=VALUE", a->assignments, kAssignHelp)->required();

    auto* rm = table.Add("rm", "Delete a record",
                         [&io, a] { return RunRm(io, a->file, a->folder, a->index); });
    rm->add_option("FILE", a->file, "Password file")->required();
    rm->add_option("FOLDER", a->folder, kFolderHelp)->required();
    AddRecordIndex(rm, a->index);
}

}  // namespace vk::cli
