#pragma once
#include <iosfwd>
#include <string>

namespace vk::cli {

// What every command shares: where passwords come from and where its output goes.
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
int RunExport(const CommandIo& io, const std::string& file, const std::string& output);
int RunImport(const CommandIo& io, const std::string& input, const std::string& file, bool force);

}  // namespace vk::cli
