#pragma once
#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vk::cli {

// The tool's subcommands: each area adds its own with the options it binds and what runs
// when it is chosen, so commands live beside the code they drive.
class CommandTable {
  public:
    CommandTable(CLI::App& app, CommandIo& io) : app_(app), io_(io) {}

    // A subcommand that reads password files: it takes --password-stdin.
    CLI::App* Add(const std::string& name, const std::string& description,
                  std::function<int()> run);
    // A subcommand that reads no password file.
    CLI::App* AddTool(const std::string& name, const std::string& description,
                      std::function<int()> run);
    CommandIo& Io() { return io_; }

    // Runs the subcommand the command line chose; 2 when none was.
    int RunChosen() const;

  private:
    struct Entry {
        CLI::App* command;
        std::function<int()> run;
    };
    CLI::App& app_;
    CommandIo& io_;
    std::vector<Entry> entries_;
};

// The positional INDEX of a record within its folder, the same in every command: digits with
// an optional '-' (a negative one names no record). A number too large for the index is
// refused as typed, rather than read as the largest one.
CLI::Option* AddRecordIndex(CLI::App* command, long& index);

// Makes every file name a command takes (FILE, IN, --output, --pdf) refuse an empty text as a
// usage error. Called once all commands are added.
void RefuseEmptyFileNames(CLI::App& app);

// The areas' commands, each defined beside the area's code.
void AddFileCommands(CommandTable& table);       // info, ls, show
void AddPasswordCommands(CommandTable& table);   // create, passwd
void AddGeneratorCommands(CommandTable& table);  // generate, words
void AddExchangeCommands(CommandTable& table);   // export, import
void AddReportCommands(CommandTable& table);     // report
void AddClipCommands(CommandTable& table);       // clip
void AddEditCommands(CommandTable& table);       // search, mkdir, rename, rmdir, add, edit, rm

}  // namespace vk::cli
