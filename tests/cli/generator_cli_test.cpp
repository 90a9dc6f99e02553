// generate and words as a script sees them: stored options, overrides, exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "tests/support/process.h"

namespace vk::test {
namespace {

class GeneratorCliTest : public ::testing::Test {
  protected:
    // The tool with its program folder (and so its profile) in the test's folder.
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"/usr/bin/env", "VAULTKEEP_HOME=" + dir.path(), VK_CLI_PATH});
        return RunProcess(args);
    }
    std::vector<std::string> Lines(const std::string& out) {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    TempDir dir;
};

TEST_F(GeneratorCliTest, WordsPrintsTheListItWasBuiltFrom) {
    auto r = Cli({"words"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, ReadFileBytes(std::string(VK_SOURCE_DIR) + "/resources/words/words.txt"));
}

TEST_F(GeneratorCliTest, StoredOptionsUnlessTheCommandLineSaysOtherwise) {
    auto defaults = Cli({"generate", "--count", "50"});
    ASSERT_EQ(defaults.exitCode, 0) << defaults.err;
    for (const auto& p : Lines(defaults.out))
        EXPECT_TRUE(std::regex_match(p, std::regex("[A-Za-z]{8}"))) << p;
    EXPECT_FALSE(ReadFileBytes(dir.File("Vaultkeep.ini")).size());

    const std::string profile =
        "[Vaultkeep.ini]\nSecure=1055\nWordOptions=1057\nUseCase=1039\nInsertMode=1045\n"
        "InsertText=\"x\"\"\nPasswordLength=\"4\"\n";
    WriteFileBytes(dir.File("Vaultkeep.ini"), profile);
    auto stored = Cli({"generate", "--count", "20"});
    ASSERT_EQ(stored.exitCode, 0) << stored.err;
    for (const auto& p : Lines(stored.out))
        EXPECT_TRUE(std::regex_match(p, std::regex("x[a-z']+[0-9]{1,4}"))) << p;

    auto secure = Cli({"generate", "--mode", "secure", "--no-letters", "--numbers", "--insert",
                       "suffix", "--insert-text", "ab", "--count", "3"});
    EXPECT_EQ(secure.exitCode, 0) << secure.err;
    for (const auto& p : Lines(secure.out))
        EXPECT_TRUE(std::regex_match(p, std::regex("[0-9]{2}ab"))) << p;
    EXPECT_EQ(Lines(secure.out).size(), 3u);

    EXPECT_EQ(Cli({"generate", "--mode", "secure", "--length", "0", "--count", "2"}).out, "\n\n");
    EXPECT_EQ(ReadFileBytes(dir.File("Vaultkeep.ini")), profile);  // never written
}

TEST_F(GeneratorCliTest, ErrorsAreOneLineAndPrintNoPassword) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;  // the whole line when given
    };
    const Case cases[] = {
        {{"--no-letters"},
         1,
         "Please select numbers, letters, or special characters for the password.\n"},
        {{"--special-set", "a\"b"}, 1, "Please do not use quotes.\n"},
        {{"--insert-text", "\""}, 1, "Please do not use quotes.\n"},
        {{"--insert-text", "a\nb"}, 2, ""},
        {{"--length", "1000"}, 2, ""},
        {{"--length", "-1"}, 2, ""},
        {{"--length", "0x10"}, 2, ""},
        {{"--count", "0"}, 2, ""},
        {{"--count", "100001"}, 2, ""},
        {{"--mode", "fancy"}, 2, ""},
        {{"--case", "1"}, 2, ""},
        {{"--colour"}, 2, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"generate"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto r = Cli(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0];
        EXPECT_EQ(r.out, "") << c.args[0];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
    }
}

}  // namespace
}  // namespace vk::test
