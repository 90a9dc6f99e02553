// Password files on a real disk: owner-only files, locks between copies, and replacement
// that never leaves debris.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/shell/date_text.h"
#include "core/shell/messages.h"
#include "core/store/atomic_file.h"
#include "core/store/password_file.h"
#include "core/store/whole_file.h"
#include "platform/posix_file_system.h"
#include "tests/support/process.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class PosixFileSystemTest : public ::testing::Test {
  protected:
    int Save(const std::string& path, const std::string& description) {
        CPasswordStore s;
        s.filePath = path;
        s.loadComplete = true;
        s.SetMasterPassword("pw");
        s.AddFolder("F", 1);
        s.folders[0].records.emplace_back();
        s.folders[0].records[0][kDescription] = description;
        return CPasswordFile(fs, prompt, dates).Save(s);
    }
    std::string LoadDescription(const std::string& path) {
        CPasswordStore s;
        s.filePath = path;
        s.masterPassword.Assign("pw");
        if (CPasswordFile(fs, prompt, dates).Load(s) != 1) return "<failed>";
        return s.folders.at(0).records.at(0)[kDescription];
    }

    test::TempDir dir;
    CPosixFileSystem fs;
    test::ScriptedPrompt prompt;
    CLocaleDateFormat dates{std::locale::classic()};
};

// New files are owner-only; a replacement keeps the mode the user gave, and a save through a
// link replaces the file it names.
TEST_F(PosixFileSystemTest, NewFilesAreOwnerOnlyAndReplacementsKeepTheirModeAndLinks) {
    const std::string path = dir.File("a.vk"), link = dir.File("link.vk");
    ASSERT_EQ(Save(path, "one"), 1);
    EXPECT_EQ(test::FileMode(path), 0600u);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(Save(path, "two"), 1);
    EXPECT_EQ(test::FileMode(path), 0640u);
    EXPECT_EQ(LoadDescription(path), "two");
    EXPECT_EQ(test::EntriesIn(dir.path()), 1u);

    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(Save(link, "three"), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(LoadDescription(path), "three");
    EXPECT_EQ(test::FileMode(path), 0640u);
}

TEST_F(PosixFileSystemTest, AFileHeldByAnotherCopyIsNeitherReadNorReplaced) {
    const std::string path = dir.File("held.vk");
    ASSERT_EQ(Save(path, "kept"), 1);
    const std::string before = test::ReadFileBytes(path);
    const int other = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);

    EXPECT_EQ(LoadDescription(path), "<failed>");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages[0].find(msg::kFileInUse), std::string::npos);
    EXPECT_EQ(Save(path, "lost"), 0);
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_EQ(test::EntriesIn(dir.path()), 1u);

    ::close(other);
    EXPECT_EQ(LoadDescription(path), "kept");
}

TEST_F(PosixFileSystemTest, MissingFoldersAndFolderPathsFailCleanly) {
    EXPECT_EQ(Save(dir.File("no/such/folder/x.vk"), "x"), 0);
    EXPECT_EQ(Save(dir.path(), "x"), 0);  // a folder is not a password file
    EXPECT_EQ(LoadDescription(dir.path()), "<failed>");
    EXPECT_EQ(prompt.messages.size(), 3u);
    EXPECT_EQ(test::EntriesIn(dir.path()), 0u);

    // A named pipe nobody writes to reads as empty instead of waiting for ever.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fs, dir.File("pipe"), 16), std::string());
}

TEST_F(PosixFileSystemTest, ASaveClearsOnlyTheLeftoversOfKilledSavesOfItsFile) {
    const std::string path = dir.File("a.vk");
    ASSERT_EQ(Save(path, "one"), 1);
    const std::vector<std::string> leftovers = {"a.vk.tmp0", "a.vk.tmp12", "a.vk.tmp999999"};
    const std::vector<std::string> others = {"a.vk.tmp",     "a.vk.tmp1234567", "a.vk.tmp012",
                                             "a.vk.tmp12x",  "a.vk.tmp-1",      "b.vk.tmp123",
                                             "xa.vk.tmp123", "a.vk.TMP123",     "a.vk.tmp12.bak"};
    for (const auto& name : leftovers) test::WriteFileBytes(dir.File(name), "debris");
    for (const auto& name : others) test::WriteFileBytes(dir.File(name), "keep");
    ::mkdir(dir.File("a.vk.tmp77").c_str(), 0700);  // not a file
    ::symlink(dir.File("b.vk.tmp123").c_str(), dir.File("a.vk.tmp78").c_str());
    // A save of this file that is still running holds its temporary file's lock.
    const std::string running = dir.File("a.vk.tmp55");
    test::WriteFileBytes(running, "being written");
    const int held = ::open(running.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // Another user's file is never touched (only root can make one here).
    const std::string foreign = dir.File("a.vk.tmp66");
    test::WriteFileBytes(foreign, "theirs");
    const bool haveForeign = ::geteuid() == 0 && ::chown(foreign.c_str(), 1, 1) == 0;

    ASSERT_EQ(Save(path, "two"), 1);
    EXPECT_EQ(LoadDescription(path), "two");
    for (const auto& name : leftovers) EXPECT_FALSE(std::filesystem::exists(dir.File(name)));
    for (const auto& name : others) EXPECT_EQ(test::ReadFileBytes(dir.File(name)), "keep");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("a.vk.tmp77")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("a.vk.tmp78")));
    EXPECT_EQ(test::ReadFileBytes(running), "being written");
    EXPECT_EQ(std::filesystem::exists(foreign), haveForeign);
    ::close(held);
}

}  // namespace
}  // namespace vk
