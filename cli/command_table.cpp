#include "cli/command_table.h"

namespace vk::cli {

CLI::App* CommandTable::Add(const std::string& name, const std::string& description,
                            std::function<int()> run) {
    CLI::App* command = AddTool(name, description, std::move(run));
    command->add_flag("--password-stdin", io_.passwordStdin,
                      "Read the password from the first line of standard input");
    return command;
}

CLI::App* CommandTable::AddTool(const std::string& name, const std::string& description,
                                std::function<int()> run) {
    CLI::App* command = app_.add_subcommand(name, description);
    entries_.push_back({command, std::move(run)});
    return command;
}

int CommandTable::RunChosen() const {
    for (const auto& e : entries_)
        if (e.command->parsed()) return e.run();
    return kUsageError;
}

}  // namespace vk::cli
