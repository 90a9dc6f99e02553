#pragma once
// The command-line tool run as a script runs it, and the demo data it is tried on.
#include <string>
#include <vector>

#include "tests/support/process.h"

namespace vk::test {

inline const std::string kCli = VK_CLI_PATH;
inline const std::string kDemoJson = std::string(VK_SOURCE_DIR) + "/resources/demo/demo.json";

inline ProcessResult Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), kCli);
    return RunProcess(args, input);
}

// With the password, the demo's unless told, on standard input.
inline ProcessResult CliWithPassword(std::vector<std::string> args,
                                     const std::string& password = "demo") {
    args.push_back("--password-stdin");
    return Cli(std::move(args), password + "\n");
}

// The demo data imported into a protected file (password "demo") at `path`.
inline std::string ImportDemo(const std::string& path) {
    const auto r = CliWithPassword({"import", kDemoJson, path, "--format", "json"});
    if (r.exitCode != 0) ADD_FAILURE() << r.err;
    return path;
}

}  // namespace vk::test
