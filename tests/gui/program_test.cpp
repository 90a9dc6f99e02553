// The real program started as a user starts it: one copy per user, the hand-over between
// copies, and the settings a normal exit leaves.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "core/shell/date_text.h"
#include "core/store/password_file.h"
#include "platform/posix_file_system.h"
#include "tests/support/child_process.h"
#include "tests/support/process.h"
#include "tests/support/scoped_env.h"
#include "tests/support/scripted_prompt.h"

#ifdef VK_PROGRAM_PATH

namespace vk::test {
namespace {

using namespace std::chrono_literals;

// Whether a window with exactly this title is on the display, asked of xdotool.
bool WindowShown(const std::string& title) {
    const auto r = RunProcess({"/usr/bin/xdotool", "search", "--name", "^" + title + "$"});
    return r.exitCode == 0 && !r.out.empty();
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds limit = 30s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(100ms);
    }
    return false;
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "xdotool is not installed";
        MakeFile("A.vk");
        MakeFile("Other.vk");
        MakeFile("Protected.vk", "secret");
    }
    void MakeFile(const std::string& name, const std::string& password = "") {
        CPosixFileSystem fs;
        ScriptedPrompt prompt;
        CLocaleDateFormat dates;
        CPasswordStore s;
        s.filePath = dir.File(name);
        s.loadComplete = true;
        s.SetMasterPassword(password);
        s.AddFolder("Internet", 2);
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(s), 1);
    }
    std::unique_ptr<ChildProcess> Start(const std::string& file) {
        return std::make_unique<ChildProcess>(std::vector<std::string>{VK_PROGRAM_PATH, file});
    }
    TempDir dir;
    // Each test gets its own settings, program folder and lock.
    ScopedEnv config{"XDG_CONFIG_HOME", dir.File("config")}, home{"VAULTKEEP_HOME", dir.path()},
        run{"VAULTKEEP_RUNTIME_DIR", dir.File("run")};
};

TEST_F(ProgramTest, SecondCopiesHandOverToTheFirst) {
    auto first = Start(dir.File("A.vk"));
    ASSERT_TRUE(WaitFor([] { return WindowShown("A.vk - Vaultkeep "); }));

    // Without a password file the second copy only brings the first forward and ends.
    auto second = RunProcess({VK_PROGRAM_PATH});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_FALSE(first->HasEnded());

    // With one, it ends the first copy and opens the file itself.
    auto third = Start(dir.File("Other.vk"));
    EXPECT_EQ(first->Wait(), 0);
    EXPECT_TRUE(WaitFor([] { return WindowShown("Other.vk - Vaultkeep "); }));
    EXPECT_FALSE(third->HasEnded());

    // The first copy ended normally: every setting is written, the first start is over.
    const std::string settings = ReadFileBytes(dir.File("config/Vaultkeep.conf"));
    EXPECT_NE(settings.find("Init=0"), std::string::npos);
    EXPECT_NE(settings.find("SysTrayIcon=1"), std::string::npos);
    EXPECT_NE(settings.find("Columns4=3,4,-1,-1,-1,-1,-1,-1,-1,-1,-1,"), std::string::npos);
}

TEST_F(ProgramTest, HandOverWhileTheFirstCopyAsksForThePassword) {
    // A file opened from the file manager while the first copy still asks for its password:
    // the dialog is cancelled and the first copy ends normally, then the second opens the file.
    auto first = Start(dir.File("Protected.vk"));
    ASSERT_TRUE(WaitFor([] { return WindowShown("Enter password - Protected.vk"); }));
    auto second = Start(dir.File("Other.vk"));
    EXPECT_EQ(first->Wait(), 0);
    EXPECT_TRUE(WaitFor([] { return WindowShown("Other.vk - Vaultkeep "); }));
}

TEST_F(ProgramTest, WindowsCarryTheClassTheDesktopEntryNames) {
    if (access("/usr/bin/xprop", X_OK) != 0) GTEST_SKIP() << "xprop is not installed";
    std::istringstream entry(ReadFileBytes(VK_DESKTOP_ENTRY));
    std::string startupClass;
    for (std::string line; std::getline(entry, line);)
        if (line.rfind("StartupWMClass=", 0) == 0) startupClass = line.substr(15);
    ASSERT_FALSE(startupClass.empty()) << VK_DESKTOP_ENTRY << " names no StartupWMClass";

    // Docks match the class, the second name of WM_CLASS, whatever the program is called; the
    // first is the application id, the entry's file name, which Wayland docks match.
    const std::string renamed = dir.File("renamed-copy");
    ASSERT_EQ(::symlink(VK_PROGRAM_PATH, renamed.c_str()), 0);
    auto program =
        std::make_unique<ChildProcess>(std::vector<std::string>{renamed, dir.File("A.vk")});
    ASSERT_TRUE(WaitFor([] { return WindowShown("A.vk - Vaultkeep "); }));
    const auto window = RunProcess({"/usr/bin/xdotool", "search", "--name", "^A.vk - Vaultkeep $"});
    const std::string id = window.out.substr(0, window.out.find('\n'));
    const auto wmClass = RunProcess({"/usr/bin/xprop", "-id", id, "WM_CLASS"});
    const std::string entryName =
        std::string(VK_DESKTOP_ENTRY).substr(std::string(VK_DESKTOP_ENTRY).rfind('/') + 1);
    const std::string applicationId = entryName.substr(0, entryName.rfind(".desktop"));
    EXPECT_NE(wmClass.out.find("= \"" + applicationId + "\", \"" + startupClass + "\"\n"),
              std::string::npos)
        << wmClass.out;
}

}  // namespace
}  // namespace vk::test

#endif
