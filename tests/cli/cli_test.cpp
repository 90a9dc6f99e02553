// The command-line tool as a script sees it: exit codes, one-line errors, files on disk.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>

#include "tests/cli/cli_runner.h"
#include "tests/support/child_process.h"

namespace vk::test {
namespace {

class CliTest : public ::testing::Test {
  protected:
    std::string MakeDemo() { return ImportDemo(dir.File("demo.vk")); }
    TempDir dir;
};

TEST_F(CliTest, ImportThenReadBack) {
    const std::string file = MakeDemo();
    EXPECT_EQ(FileMode(file), 0600u);

    auto info = CliWithPassword({"info", file});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Protected: yes"), std::string::npos);
    EXPECT_NE(info.out.find("Reminder: the word demo"), std::string::npos);
    EXPECT_NE(info.out.find("Folders: 6"), std::string::npos);

    auto ls = CliWithPassword({"ls", file});
    EXPECT_EQ(ls.out, "Banking\nBanking~Cards\nInternet\nInternet~Shopping\nSoftware\nEmail\n");
    auto records = CliWithPassword({"ls", file, "Internet"});
    EXPECT_EQ(records.out, "0\tMail\n1\tPhoto club forum\n");

    auto masked = CliWithPassword({"show", file, "Internet", "0"});
    EXPECT_NE(masked.out.find("Password: *****\n"), std::string::npos);
    EXPECT_EQ(masked.out.find("violet-orbit-19"), std::string::npos);
    auto shown = CliWithPassword({"show", file, "Internet", "0", "--show-protected"});
    EXPECT_NE(shown.out.find("Password: violet-orbit-19\n"), std::string::npos);
}

TEST_F(CliTest, ExportImportRoundTripIsByteIdentical) {
    const std::string file = MakeDemo();
    const std::string json = dir.File("out.json");
    auto exp = CliWithPassword({"export", file, "--format", "json", "-o", json});
    ASSERT_EQ(exp.exitCode, 0) << exp.err;
    const std::string copy = dir.File("copy.vk");
    auto imp = CliWithPassword({"import", json, copy, "--format", "json"});
    ASSERT_EQ(imp.exitCode, 0) << imp.err;
    auto again = CliWithPassword({"export", copy, "--format", "json"});
    EXPECT_EQ(again.out, ReadFileBytes(json));
}

TEST_F(CliTest, ErrorsAreOneLineWithExitOne) {
    const std::string file = MakeDemo();
    auto wrong = CliWithPassword({"info", file}, "Demo");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, "Incorrect password\n");

    auto noPassword = Cli({"info", file});
    EXPECT_EQ(noPassword.exitCode, 1);
    EXPECT_EQ(std::count(noPassword.err.begin(), noPassword.err.end(), '\n'), 1);

    auto missing = Cli({"info", dir.File("none.vk")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err,
              "Error: Can't open the source file for reading. Please select a different file, or "
              "create a new file, from the Editor window. No such file or directory Filename: " +
                  dir.File("none.vk") + "\n");

    WriteFileBytes(dir.File("bad.vk"), std::string("Q\0\0\0", 4));
    auto bad = Cli({"ls", dir.File("bad.vk")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "Unknown data type in file.\n");

    auto exists = CliWithPassword({"import", kDemoJson, file, "--format", "json"});
    EXPECT_EQ(exists.exitCode, 1);
    auto tooLong = CliWithPassword({"import", kDemoJson, dir.File("long.vk"), "--format", "json"},
                                   std::string(81, 'x'));
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_NE(tooLong.err.find("too long"), std::string::npos);
}

TEST_F(CliTest, CreateAndChangeTheMasterPassword) {
    const std::string file = dir.File("new.vk");
    auto created = CliWithPassword({"create", file, "--reminder", "hint"}, "first");
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(ReadFileBytes(file).substr(0, 8), std::string("P\0\0\0hint", 8));
    EXPECT_EQ(ReadFileBytes(file).size(), 4u + 32 + 4 + 80);  // reminder and check block only

    auto import =
        CliWithPassword({"import", kDemoJson, file, "--format", "json", "--force"}, "first");
    ASSERT_EQ(import.exitCode, 0) << import.err;
    const std::string before = CliWithPassword({"export", file, "--format", "json"}, "first").out;

    auto changed = Cli({"passwd", file, "--password-stdin"}, "first\nsecond\n");
    ASSERT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(CliWithPassword({"info", file}, "first").exitCode, 1);
    EXPECT_EQ(CliWithPassword({"export", file, "--format", "json"}, "second").out, before);

    auto removed = Cli({"passwd", file, "--password-stdin"}, "second\n\n");
    ASSERT_EQ(removed.exitCode, 0) << removed.err;
    EXPECT_EQ(ReadFileBytes(file).find("Tide-Lantern-42") != std::string::npos, true);
    auto open = Cli({"info", file});
    EXPECT_EQ(open.exitCode, 0) << open.err;
    EXPECT_NE(open.out.find("Protected: no"), std::string::npos);

    // An empty line makes an unprotected file, which is empty.
    const std::string plain = dir.File("plain.vk");
    ASSERT_EQ(CliWithPassword({"create", plain}, "").exitCode, 0);
    EXPECT_EQ(ReadFileBytes(plain), "");
    EXPECT_EQ(Cli({"ls", plain}).exitCode, 0);
}

TEST_F(CliTest, CtrlCAtThePasswordPromptGivesTheTerminalItsEchoBack) {
    const std::string file = MakeDemo();
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::execl(kCli.c_str(), kCli.c_str(), "info", file.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    termios now{};
    auto echoOn = [&] { return ::tcgetattr(terminal, &now) == 0 && (now.c_lflag & ECHO); };
    for (int wait = 0; wait < 500 && echoOn(); ++wait) ::usleep(10000);  // the prompt hides
    ASSERT_TRUE(!echoOn() && ::write(terminal, "\x03", 1) == 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_TRUE(echoOn());
    ::close(terminal);
}

TEST_F(CliTest, PasswordLimitsAreRefused) {
    const std::string file = dir.File("limits.vk");
    auto longPassword = CliWithPassword({"create", file}, std::string(81, 'p'));
    EXPECT_EQ(longPassword.exitCode, 1);
    EXPECT_EQ(longPassword.err,
              "The password is too long. A master password can hold at most 80 characters.\n");
    for (const std::string& reminder : {std::string(32, 'r'), std::string("two\nlines")})
        EXPECT_EQ(CliWithPassword({"create", file, "--reminder", reminder}, "pw").exitCode, 1);
    // The check block ends a password at a zero byte: it could never be matched again.
    EXPECT_EQ(CliWithPassword({"create", file}, std::string("p\0w", 3)).exitCode, 1);
    EXPECT_FALSE(std::ifstream(file).good());

    ASSERT_EQ(CliWithPassword({"create", file}, std::string(80, 'p')).exitCode, 0);
    EXPECT_EQ(CliWithPassword({"create", file}, "x").exitCode, 1);  // exists
    auto tooLong = Cli({"passwd", file, "--password-stdin"},
                       std::string(80, 'p') + "\n" + std::string(81, 'q') + "\n");
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(CliWithPassword({"info", file}, std::string(80, 'p')).exitCode, 0);
}

TEST_F(CliTest, HostileJsonIsRefusedWithoutWritingAFile) {
    const std::string record =
        R"({"fields":["a","","","","","","","","","","","","",""],"dateAssigned":[0,0,0,0,0,0,0,0],"dateExpires":[0,0,0,0,0,0,0,0]})";
    auto doc = [](const std::string& folders, const std::string& version = "3") {
        return R"({"version":")" + version +
               R"(","encrypted":false,"reminder":"","folderHistory":[],"itemHistory":[],"folders":[)" +
               folders + "]}";
    };
    const std::string good = doc(R"({"path":"A","category":1,"records":[)" + record + "]}");
    const std::string cases[] = {
        "not json at all",
        "[1,2,3]",
        doc("", "4"),
        doc(R"({"path":"A","category":1,"records":[{"fields":["only one"]}]})"),
        doc(R"({"path":"A","category":99999999999,"records":[]})"),
        doc(R"({"path":"","category":1,"records":[]})"),
        doc(R"({"path":"A","category":1,"records":[{"fields":["a","","","","","","","","","","","","",""],"dateAssigned":[70000,0,0,0,0,0,0,0],"dateExpires":[0,0,0,0,0,0,0,0]}]})"),
        doc(R"({"path":7,"category":1,"records":[]})"),
        R"({"version":"3","reminder":"Hunter2)",  // cut short: its bytes never shown
    };
    const std::string in = dir.File("in.json"), out = dir.File("out.vk");
    for (const std::string& text : cases) {
        WriteFileBytes(in, text);
        auto r = Cli({"import", in, out, "--format", "json"});
        EXPECT_EQ(r.exitCode, 1) << text;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.find("Hunter2"), std::string::npos) << r.err;
        EXPECT_FALSE(std::ifstream(out).good()) << text;
    }
    WriteFileBytes(in, good);
    auto ok = Cli({"import", in, out, "--format", "json"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(Cli({"ls", out, "A"}).out, "0\ta\n");
}

TEST_F(CliTest, AFolderNamedInWindows1252IsFoundAsLsPrintsIt) {
    const std::string file = dir.File("latin.vk");
    ASSERT_EQ(CliWithPassword({"create", file}, "").exitCode, 0);
    ASSERT_EQ(Cli({"mkdir", file, "Caf\xe9"}).exitCode, 0);
    ASSERT_EQ(Cli({"ls", file}).out, "Caf\u00e9\n");
    const std::vector<std::string> uses[] = {
        {"add", file, "Caf\u00e9", "description=x"},
        {"export", file, "--format", "csv", "--folder", "Caf\u00e9"},
        {"rename", file, "Caf\u00e9", "Cafe"},
    };
    for (const auto& args : uses) EXPECT_EQ(Cli(args).exitCode, 0) << args[0];
    EXPECT_EQ(Cli({"ls", file, "Cafe"}).out, "0\tx\n");
}

TEST_F(CliTest, UsageErrorsExitTwoWithOneLine) {
    const std::vector<std::string> cases[] = {
        {},
        {"info"},
        {"export", "x.vk", "--format", "xml"},
        {"frobnicate"},
        {"info", ""},
        // An unset variable in a script must not send the secrets to standard output.
        {"export", "x.vk", "--format", "csv", "-o", ""},
        {"report", "x.vk", "--pdf", ""},
    };
    for (const auto& args : cases) {
        const ProcessResult r = Cli(args, "demo\n");
        EXPECT_EQ(r.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(Cli({"frobnicate"}).err,
              "Unknown command or option \"frobnicate\": vaultkeep-cli --help lists them.\n");
}

TEST_F(CliTest, ReportWritesAnOwnerOnlyPdfOrFailsLeavingNothing) {
    const std::string file = MakeDemo();
    const std::string pdf = dir.File("report.pdf");
    auto ok = CliWithPassword({"report", file, "--pdf", pdf, "--folder", "Internet", "--passwords",
                               "--bars", "--paper", "Letter", "--font-size", "40"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out + ok.err, "");
    EXPECT_EQ(ReadFileBytes(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(FileMode(pdf), 0600u);

    const std::string empty = dir.File("empty.vk");
    ASSERT_EQ(CliWithPassword({"create", empty}, "").exitCode, 0);
    const std::string kept = ReadFileBytes(pdf);
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string err;  // the whole line when given
    } cases[] = {
        {{"report", file}, 2, ""},
        {{"report", file, "--pdf", pdf, "--paper", "a5"}, 2, ""},
        {{"report", file, "--pdf", pdf, "--shiny"}, 2, ""},
        {{"report", file, "--pdf", pdf, "--folder", "Nowhere", "--password-stdin"},
         1,
         "No folder named \"Nowhere\" in " + file + ".\n"},
        {{"report", empty, "--pdf", pdf}, 1, "No folders are selected.\n"},
        {{"report", file, "--pdf", file, "--password-stdin"},
         1,
         "The report cannot replace the password file " + file + ".\n"},
        {{"report", file, "--pdf", dir.File("no/such/folder.pdf"), "--password-stdin"}, 1, ""},
    };
    for (const auto& c : cases) {
        auto r = Cli(c.args, "demo\n");
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back() << r.err;
        EXPECT_TRUE(c.err.empty() || r.err == c.err) << r.err;
        EXPECT_TRUE(c.exitCode != 1 || std::count(r.err.begin(), r.err.end(), '\n') == 1);
    }
    EXPECT_EQ(ReadFileBytes(pdf), kept);
    EXPECT_EQ(CliWithPassword({"info", file}).exitCode, 0);
    EXPECT_EQ(EntriesIn(dir.path()), 3u);
}

}  // namespace
}  // namespace vk::test

namespace vk::test {
namespace {

// What another X client reads from the clipboard now.
std::string ReadClipboard(const char* target = "UTF8_STRING") {
    return RunProcess({VK_X11_PROBE, "read", "CLIPBOARD", target}).out;
}

TEST_F(CliTest, ClipServesTheFieldThenClearsIt) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    const std::string file = MakeDemo();
    ChildProcess clip({kCli, "clip", file, "Internet", "0", "--seconds", "2", "--password-stdin"},
                      "demo\n");
    EXPECT_EQ(clip.ReadLine(),
              "Password copied to the clipboard; it will be cleared in 2 "
              "seconds.");
    EXPECT_EQ(ReadClipboard(), "text:violet-orbit-19\n");
    EXPECT_EQ(ReadClipboard("x-kde-passwordManagerHint"), "text:secret\n");
    EXPECT_EQ(clip.ReadRemainingLines(), std::vector<std::string>{});  // never the value
    EXPECT_EQ(clip.Wait(), 0);
    EXPECT_EQ(ReadClipboard(), "none\n");

    // A signal ends the wait early, and clears just the same.
    ChildProcess early({kCli, "clip", file, "Banking~Cards", "0", "--field", "DESCRIPTION",
                        "--seconds", "3600", "--password-stdin"},
                       "demo\n");
    EXPECT_EQ(early.ReadLine(),
              "Description copied to the clipboard; it will be cleared in 3600 "
              "seconds.");
    EXPECT_EQ(ReadClipboard(), "text:Travel card\n");
    early.Signal(SIGTERM);
    EXPECT_EQ(early.Wait(), 0);
    EXPECT_EQ(ReadClipboard(), "none\n");
}

TEST_F(CliTest, ClipRefusesWhatItCannotCopy) {
    const std::string file = MakeDemo();
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;  // the whole line, where it is ours
    };
    const Case cases[] = {
        {{"Internet", "0", "--field", "Colour"}, 2, ""},
        {{"Internet", "0", "--seconds", "0"}, 2, ""},
        {{"Internet", "0", "--seconds", "3601"}, 2, ""},
        {{"Nowhere", "0"}, 1, "No folder named \"Nowhere\" in " + file + ".\n"},
        {{"Internet", "9"}, 1, "The folder \"Internet\" has no record 9.\n"},
        {{"Internet", "99999999999999999999"},
         2,
         "INDEX: no record index can be 99999999999999999999\n"},
        {{"Banking~Cards", "0", "--field", "username"},
         1,
         "The field Username of record 0 in \"Banking~Cards\" is empty.\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"clip", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult r = CliWithPassword(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        if (!c.err.empty() && std::getenv("DISPLAY")) {
            EXPECT_EQ(r.err, c.err);
        }
        EXPECT_EQ(r.out, "");
    }
    const ProcessResult noDisplay =
        RunProcess({"/usr/bin/env", "-u", "DISPLAY", kCli, "clip", file, "Internet", "0"});
    EXPECT_EQ(noDisplay.exitCode, 1);
    EXPECT_EQ(noDisplay.err, "No X display could be opened: the clipboard cannot be reached.\n");
}

}  // namespace
}  // namespace vk::test
