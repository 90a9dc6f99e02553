#pragma once
#include <iosfwd>
#include <string>

namespace vk::cli {

// What every command shares: where passwords come from and where its output goes.
constexpr int kUsageError = 2;
// The line a command shows when its standard output could not be written.
constexpr const char kStdoutWriteError[] = "Error writing to standard output.";

struct CommandIo {
    bool passwordStdin = false;
    std::istream* in;
    std::ostream* out;
    std::ostream* err;
};

// Each command returns the process exit status: 0 done, 1 failed (one line on stderr).
int RunInfo(const CommandIo& io, const std::string& file);
int RunList(const CommandIo& io, const std::string& file, const std::string& folder);
int RunShow(const CommandIo& io, const std::string& file, const std::string& folder, long index,
            bool showProtected);

}  // namespace vk::cli

namespace vk::cli {

// A new file as the program creates one: only reminder and check block, or empty when
// unprotected. `reminder` is used only when given.
int RunCreate(const CommandIo& io, const std::string& file, const std::string* reminder,
              bool force);
// Changes or removes the master password and rewrites the whole file.
int RunPasswd(const CommandIo& io, const std::string& file, const std::string* reminder);

}  // namespace vk::cli
