#include "cli/command_table.h"

#include <cerrno>
#include <cstdlib>

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

CLI::Option* AddRecordIndex(CLI::App* command, long& index) {
    return command->add_option("INDEX", index, "Record index within the folder, from 0")
        ->required()
        ->check([](const std::string& text) {
            const bool negative = !text.empty() && text[0] == '-';
            if (text.size() == (negative ? 1u : 0u) ||
                text.find_first_not_of("0123456789", negative ? 1 : 0) != std::string::npos)
                return "must be a whole number, not \"" + text + "\"";
            errno = 0;
            char* end = nullptr;
            std::strtol(text.c_str(), &end, 10);
            if (errno == ERANGE) return "no record index can be " + text;
            return std::string();
        });
}

void RefuseEmptyFileNames(CLI::App& app) {
    // An unset shell variable must not send an export to standard output, or name no file.
    for (CLI::App* command : app.get_subcommands([](CLI::App*) { return true; }))
        for (CLI::Option* option : command->get_options())
            for (const char* name : {"FILE", "IN", "--output", "--pdf"})
                if (option->check_name(name))
                    option->check(
                        [](const std::string& text) {
                            return text.empty() ? std::string("a file name cannot be empty")
                                                : std::string();
                        },
                        "");
}

}  // namespace vk::cli
