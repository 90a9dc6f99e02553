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
    for (const auto& e : entries_) {
        if (!e.command->parsed()) continue;
        const int status = e.run();
        // A command whose output did not arrive has not done its work, whatever it printed
        // before: a script reading a full disk's file must not take it for complete.
        io_.out->flush();
        if (status == 0 && !io_.out->good()) {
            *io_.err << kStdoutWriteError << '\n';
            return 1;
        }
        return status;
    }
    return kUsageError;
}

}  // namespace vk::cli
