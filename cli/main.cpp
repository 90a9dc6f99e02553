// vaultkeep-cli: reads and writes Vaultkeep password files from scripts and terminals.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/command_table.h"
#include "platform/posix_file_system.h"

namespace {

// Help and version text that could not be written is a failure, as for every command.
int PrintedOrFailed(int status) {
    std::cout.flush();
    if (status != 0 || std::cout.good()) return status;
    std::cerr << vk::cli::kStdoutWriteError << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Reads and writes Vaultkeep password files.", "vaultkeep-cli"};
    app.set_version_flag("--version", std::string("vaultkeep-cli ") + VK_VERSION);
    app.require_subcommand(1);

    vk::ReportFileSizeLimitAsError();
    vk::cli::CommandIo io{false, &std::cin, &std::cout, &std::cerr};
    vk::cli::CommandTable table(app, io);
    vk::cli::AddFileCommands(table);
    vk::cli::AddPasswordCommands(table);
    vk::cli::AddGeneratorCommands(table);
    vk::cli::AddExchangeCommands(table);
    vk::cli::AddReportCommands(table);
    vk::cli::AddClipCommands(table);
    vk::cli::AddEditCommands(table);
    vk::cli::RefuseEmptyFileNames(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return PrintedOrFailed(app.exit(e));
    } catch (const CLI::CallForAllHelp& e) {
        return PrintedOrFailed(app.exit(e));
    } catch (const CLI::CallForVersion& e) {
        return PrintedOrFailed(app.exit(e));
    } catch (const CLI::ParseError& e) {
        // A mistyped command leaves no subcommand chosen: name the word instead of only
        // saying that a command is missing.
        const std::vector<std::string> unknown = app.remaining();
        if (app.get_subcommands().empty() && !unknown.empty())
            std::cerr << "Unknown command or option \"" << unknown.front()
                      << "\": vaultkeep-cli --help lists them.\n";
        else if (app.get_subcommands().empty())
            std::cerr << "A command is needed: vaultkeep-cli --help lists them.\n";
        else
            std::cerr << e.what() << '\n';
        return vk::cli::kUsageError;
    }
    return table.RunChosen();
}
