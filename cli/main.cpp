// vaultkeep-cli: reads and writes Vaultkeep password files from scripts and terminals.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/commands.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Reads and writes Vaultkeep password files.", "vaultkeep-cli"};
    app.set_version_flag("--version", std::string("vaultkeep-cli ") + VK_VERSION);
    app.require_subcommand(1);

    vk::cli::CommandIo io{false, &std::cin, &std::cout, &std::cerr};
    auto addPasswordFlag = [&](CLI::App* cmd) {
        cmd->add_flag("--password-stdin", io.passwordStdin,
                      "Read the password from the first line of standard input");
    };

    std::string file, folder, input, output, format;
    long index = 0;
    bool showProtected = false, force = false;

    auto* info = app.add_subcommand("info", "Version, protection, reminder and counts of a file");
    info->add_option("FILE", file, "Password file")->required();
    addPasswordFlag(info);

    auto* ls = app.add_subcommand("ls", "The folder tree, or the records of one folder");
    ls->add_option("FILE", file, "Password file")->required();
    ls->add_option("FOLDER", folder, "Folder path, with '~' between the levels");
    addPasswordFlag(ls);

    auto* show = app.add_subcommand("show", "The fields of one record");
    show->add_option("FILE", file, "Password file")->required();
    show->add_option("FOLDER", folder, "Folder path, with '~' between the levels")->required();
    show->add_option("INDEX", index, "Record index within the folder, from 0")->required();
    show->add_flag("--show-protected", showProtected, "Show the password instead of *****");
    addPasswordFlag(show);

    auto* exp = app.add_subcommand("export", "Write a password file in another form");
    exp->add_option("FILE", file, "Password file")->required();
    exp->add_option("--format", format, "Output form")->required()->check(CLI::IsMember({"json"}));
    exp->add_option("-o,--output", output, "Output file (standard output when absent)");
    addPasswordFlag(exp);

    auto* imp = app.add_subcommand("import", "Write a password file from another form");
    imp->add_option("IN", input, "Input file")->required();
    imp->add_option("FILE", file, "Password file to write")->required();
    imp->add_option("--format", format, "Input form")->required()->check(CLI::IsMember({"json"}));
    imp->add_flag("--force", force, "Overwrite an existing password file");
    addPasswordFlag(imp);

    std::string reminder;
    auto* create = app.add_subcommand("create", "Make a new, empty password file");
    create->add_option("FILE", file, "Password file to make")->required();
    auto* createReminder = create->add_option("--reminder", reminder, "Reminder phrase");
    create->add_flag("--force", force, "Overwrite an existing file");
    addPasswordFlag(create);

    auto* passwd = app.add_subcommand("passwd", "Change or remove the master password");
    passwd->add_option("FILE", file, "Password file")->required();
    auto* passwdReminder = passwd->add_option("--reminder", reminder, "New reminder phrase");
    addPasswordFlag(passwd);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << e.what() << '\n';
        return kUsageError;
    }

    if (info->parsed()) return vk::cli::RunInfo(io, file);
    if (ls->parsed()) return vk::cli::RunList(io, file, folder);
    if (show->parsed()) return vk::cli::RunShow(io, file, folder, index, showProtected);
    if (exp->parsed()) return vk::cli::RunExport(io, file, output);
    if (imp->parsed()) return vk::cli::RunImport(io, input, file, force);
    if (create->parsed())
        return vk::cli::RunCreate(io, file, createReminder->count() ? &reminder : nullptr, force);
    if (passwd->parsed())
        return vk::cli::RunPasswd(io, file, passwdReminder->count() ? &reminder : nullptr);
    return kUsageError;
}
