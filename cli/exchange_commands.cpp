// export and import: the JSON machine form, and the comma-separated files of the program's
// Import/Export sheet.
#include <array>
#include <fstream>
#include <memory>
#include <optional>

#include "cli/command_table.h"
#include "cli/json_form.h"
#include "cli/session.h"
#include "cli/user_settings.h"
#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/shell/text_encoding.h"
#include "core/store/field_names.h"
#include "core/store/password_check.h"
#include "core/store/secure_wipe.h"
#include "core/tools/export_csv.h"
#include "core/tools/export_import_messages.h"
#include "core/tools/import_csv.h"
#include "platform/posix_file_system.h"

namespace vk::cli {
namespace {

// The parser's message without the bytes it read last: in a cut export they are a secret.
std::string WithoutBytesRead(const Json::exception& e) {
    const std::string what = e.what();
    return what.substr(0, what.find("; last read:"));
}

struct ExchangeArgs {
    std::string file, input, output, format;
    std::vector<std::string> exportFolders;
    std::string importFolder, fields = "all", order;
    int skipLines = 0;
    bool folderNames = false, heading = false, force = false;
    CLI::App* exportCommand = nullptr;  // to ask which options were given
    CLI::App* importCommand = nullptr;
};

int UsageError(const CommandIo& io, const std::string& text) {
    *io.err << text << '\n';
    return kUsageError;
}

std::vector<std::string> SplitAtCommas(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

bool IsWord(const std::string& item, const char* word) {
    if (item.size() != std::char_traits<char>::length(word)) return false;
    for (std::size_t i = 0; i < item.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(item[i])) != word[i]) return false;
    return true;
}

// --fields: "all", "none" or a comma list of fields. Nothing for an item that names none.
std::optional<std::array<bool, kFieldCount>> ExportFields(const std::string& list,
                                                          std::string* bad) {
    std::array<bool, kFieldCount> fields{};
    if (IsWord(list, "all")) fields.fill(true);
    if (IsWord(list, "all") || IsWord(list, "none")) return fields;
    for (const std::string& item : SplitAtCommas(list)) {
        const auto field = FieldFromName(item);
        if (!field) {
            *bad = item;
            return std::nullopt;
        }
        fields[static_cast<std::size_t>(*field)] = true;
    }
    return fields;
}

// --order: one item per column, a field or "skip", each field at most once.
std::optional<std::vector<int>> ImportOrder(const std::string& list, std::string* bad) {
    std::vector<int> order;
    std::array<bool, kFieldCount> used{};
    for (const std::string& item : SplitAtCommas(list)) {
        if (IsWord(item, "skip")) {
            order.push_back(kSkipColumn);
            continue;
        }
        const auto field = FieldFromName(item);
        if (!field || used[static_cast<std::size_t>(*field)]) {
            *bad = item;
            return std::nullopt;
        }
        used[static_cast<std::size_t>(*field)] = true;
        order.push_back(*field);
    }
    return order;
}

std::string NoFolderText(const std::string& path, const std::string& file) {
    return "No folder named \"" + path + "\" in " + file + ".";
}

// Writes `text` to OUT, or to standard output for none or "-". False when it failed (the
// error line is shown).
bool WriteOutput(const CommandIo& io, Session& s, const std::string& output,
                 const std::string& text) {
    if (output.empty() || output == "-") {
        io.out->write(text.data(), static_cast<std::streamsize>(text.size()));
        io.out->flush();
        if (io.out->good()) return true;
        s.Failed(kStdoutWriteError);
        return false;
    }
    CliPrompt prompt(s.Passwords());
    if (WriteExportFile(s.Files(), prompt, output, text)) return true;
    s.Failed(prompt.ErrorLine());
    return false;
}

int RunExport(const CommandIo& io, const ExchangeArgs& a, const CLI::App& command) {
    const bool csv = a.format != "json";
    if (!csv &&
        (command.count("--folder") || command.count("--fields") || a.folderNames || a.heading))
        return UsageError(io,
                          "--folder, --fields, --folder-names and --heading go with "
                          "--format csv or text.");
    std::string bad;
    const auto fields = ExportFields(a.fields, &bad);
    if (!fields) return UsageError(io, "--fields: \"" + bad + "\" names no field.");

    Session s(io);
    if (!s.Load(a.file)) return 1;
    std::string text;
    if (csv) {
        ExportChoice choice;
        choice.fields = *fields;
        choice.folderNames = a.folderNames;
        choice.heading = a.heading;
        choice.columnNames = LoadUserSettings().columnNames;
        choice.folders.assign(s.store.folders.size(), a.exportFolders.empty());
        for (const std::string& path : a.exportFolders) {
            bool found = false;
            for (std::size_t i = 0; i < s.store.folders.size(); ++i) {
                if (!s.store.folders[i].inUse || !NamesStoredText(s.store.folders[i].path, path))
                    continue;
                choice.folders[i] = true;
                found = true;
            }
            if (!found) return s.Failed(NoFolderText(path, a.file));
        }
        CFolderTree tree;
        tree.BuildFrom(s.store);
        text = ExportText(s.store, tree, choice);
    } else {
        text = StoreToJson(s.store).dump(2) + "\n";
    }
    if (a.output != "-" && IsSameExistingFile(a.output, a.file)) {
        SecureWipe(text);
        return s.Failed(msg::kExportOverPasswordFile + a.file + ".");
    }
    const bool written = WriteOutput(io, s, a.output, text);
    SecureWipe(text);
    if (!written) return 1;
    if (csv && !a.output.empty() && a.output != "-")
        *io.err << OneLine(msg::kExportWarning) << '\n';
    return 0;
}

int RunJsonImport(const CommandIo& io, const ExchangeArgs& a, const CLI::App& command) {
    if (command.count("--folder") || command.count("--order") || command.count("--skip-lines"))
        return UsageError(io, "--folder, --order and --skip-lines go with --format csv.");
    Session s(io);
    if (!a.force && s.Files().Exists(a.file))
        return s.Failed("The file " + a.file + " already exists. Use --force to overwrite it.");
    std::ifstream in(a.input, std::ios::binary);
    if (!in) return s.Failed("Unable to read " + a.input + ".");
    try {
        StoreFromJson(Json::parse(in), s.store);
    } catch (const JsonFormError& e) {
        return s.Failed(e.what());
    } catch (const Json::exception& e) {
        return s.Failed(std::string("Invalid JSON in ") + a.input + ": " + WithoutBytesRead(e));
    }
    if (s.store.encrypted) {
        auto password = s.Passwords().Next("Master password for " + a.file + ": ");
        if (!password)
            return s.Failed("A master password is needed to protect " + a.file +
                            ": give it on standard input with --password-stdin.");
        const std::string problem = MasterPasswordProblem(password->view());
        if (!problem.empty()) return s.Failed(problem);
        s.store.masterPassword = *password;
    }
    s.store.filePath = a.file;
    s.store.loadComplete = true;
    return s.Save() ? 0 : 1;
}

int RunCsvImport(const CommandIo& io, const ExchangeArgs& a, const CLI::App& command) {
    if (a.force) return UsageError(io, "--force goes with --format json.");
    if (!command.count("--order")) return UsageError(io, "--format csv needs --order.");
    std::string bad;
    const auto order = ImportOrder(a.order, &bad);
    if (!order)
        return UsageError(io, "--order: \"" + bad + "\" names no field, or one named before.");
    if (a.skipLines < 0 || a.skipLines > kMaxSkipLines)
        return UsageError(io, "--skip-lines takes a number from 0 to 10.");
    if (!command.count("--folder")) {
        *io.err << msg::kSelectImportFolder << '\n';
        return 1;
    }

    Session s(io);
    if (!s.Load(a.file)) return 1;
    int target = -1;
    for (std::size_t i = 0; i < s.store.folders.size() && target < 0; ++i)
        if (s.store.folders[i].inUse && NamesStoredText(s.store.folders[i].path, a.importFolder))
            target = static_cast<int>(i);
    if (target < 0) return s.Failed(NoFolderText(a.importFolder, a.file));

    CLocaleDateFormat dates;
    CliPrompt prompt(s.Passwords());
    auto records = ReadImportFile(s.Files(), prompt, dates, a.input, {*order, a.skipLines});
    if (!records) return s.Failed(prompt.ErrorLine());
    if (!records->empty()) {
        auto& list = s.store.folders[static_cast<std::size_t>(target)].records.Mutable();
        list.insert(list.end(), records->begin(), records->end());
        if (!s.Save()) return 1;
    }
    *io.out << ImportedCountText(records->size()) << '\n';
    return 0;
}

}  // namespace

void AddExchangeCommands(CommandTable& table) {
    auto a = std::make_shared<ExchangeArgs>();
    const CommandIo& io = table.Io();

    CLI::App* exp = table.Add("export", "Write a password file in another form",
                              [&io, a] { return RunExport(io, *a, *a->exportCommand); });
    a->exportCommand = exp;
    exp->add_option("FILE", a->file, "Password file")->required();
    exp->add_option("--format", a->format, "json: the whole file; csv or text: chosen records")
        ->required()
        ->check(CLI::IsMember({"json", "csv", "text"}));
    exp->add_option("-o,--output", a->output, "Output file (standard output when absent or -)");
    exp->add_option("--folder", a->exportFolders,
                    "Export only the folders stored under this path (not their subfolders); "
                    "repeatable");
    exp->add_option("--fields", a->fields,
                    "all (default), none, or a comma list of field names or numbers 0..13");
    exp->add_flag("--folder-names", a->folderNames, "Begin each line with the folder path");
    exp->add_flag("--heading", a->heading, "Begin with a line of column names");

    CLI::App* imp = table.Add(
        "import", "Write a password file from another form, or add records to one", [&io, a] {
            return a->format == "json" ? RunJsonImport(io, *a, *a->importCommand)
                                       : RunCsvImport(io, *a, *a->importCommand);
        });
    a->importCommand = imp;
    imp->add_option("IN", a->input, "Input file")->required();
    imp->add_option("FILE", a->file, "Password file to write (csv: an existing one)")->required();
    imp->add_option("--format", a->format, "Input form")
        ->required()
        ->check(CLI::IsMember({"json", "csv"}));
    imp->add_flag("--force", a->force, "json: overwrite an existing password file");
    imp->add_option("--folder", a->importFolder, "csv: the folder the records are added to");
    imp->add_option("--order", a->order,
                    "csv: the field each column feeds, a comma list of field names, numbers "
                    "0..13 or skip");
    imp->add_option("--skip-lines", a->skipLines, "csv: leading lines to skip, 0..10 (default 0)");
}

}  // namespace vk::cli
