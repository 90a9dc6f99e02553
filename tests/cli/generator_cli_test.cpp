// generate and words as a script sees them: stored options, overrides, exit codes.
#include <gtest/gtest.h>

#include <regex>

#include "tests/cli/cli_runner.h"

namespace vk::test {
namespace {

class GeneratorCliTest : public ::testing::Test {
  protected:
    // The tool with its program folder, and so its profile, in the test's folder.
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"/usr/bin/env", "VAULTKEEP_HOME=" + dir.path(), kCli});
        return RunProcess(args);
    }
    TempDir dir;
};

TEST_F(GeneratorCliTest, StoredOptionsUnlessTheCommandLineSaysOtherwise) {
    EXPECT_EQ(Cli({"words"}).out,
              ReadFileBytes(std::string(VK_SOURCE_DIR) + "/resources/words/words.txt"));
    EXPECT_TRUE(
        std::regex_match(Cli({"generate", "--count", "9"}).out, std::regex("([A-Za-z]{8}\n){9}")));

    const std::string profile =
        "[Vaultkeep.ini]\nSecure=1055\nWordOptions=1057\nUseCase=1039\n"
        "InsertMode=1045\nInsertText=\"x\"\"\n";
    WriteFileBytes(dir.File("Vaultkeep.ini"), profile);
    EXPECT_TRUE(std::regex_match(Cli({"generate", "--count", "9"}).out,
                                 std::regex("(x[a-z']+[0-9]{1,4}\n){9}")));
    auto secure = Cli({"generate", "--mode", "Secure", "--no-letters", "--numbers", "--length", "4",
                       "--insert", "suffix", "--insert-text", "ab", "--count", "3"});
    EXPECT_TRUE(std::regex_match(secure.out, std::regex("([0-9]{2}ab\n){3}"))) << secure.err;
    EXPECT_EQ(Cli({"generate", "--mode", "secure", "--length", "0", "--count", "2"}).out, "\n\n");
    EXPECT_EQ(ReadFileBytes(dir.File("Vaultkeep.ini")), profile);  // never written
}

TEST_F(GeneratorCliTest, ErrorsAreOneLineAndPrintNoPassword) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--no-letters"},
         "Please select numbers, letters, or special characters for the password."},
        {{"--special-set", "a\"b"}, "Please do not use quotes."},
        {{"--insert-text", "a\nb"}, ""},
        {{"--length", "1000"}, ""},
        {{"--length", "0x10"}, ""},
        {{"--count", "100001"}, ""},
        {{"--mode", "fancy"}, ""},
        {{"--colour"}, ""},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> command = {"generate"};
        command.insert(command.end(), args.begin(), args.end());
        auto r = Cli(command);
        EXPECT_EQ(r.exitCode, message.empty() ? 2 : 1) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(message.empty() ? std::count(r.err.begin(), r.err.end(), '\n') == 1
                                    : r.err == message + "\n")
            << r.err;
    }
    // Output that cannot be written is a failure, not passwords a script believes it has.
    auto full = RunProcess({"/bin/sh", "-c", std::string(kCli) + " generate >/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "Error writing to standard output.\n");
}

}  // namespace
}  // namespace vk::test
