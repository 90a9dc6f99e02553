// The profile file on a real disk: replaced whole, permissions kept, no debris, and a
// missing folder reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/settings/profile_file.h"
#include "platform/posix_file_system.h"
#include "tests/support/process.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(ProfileFileOnDisk, WritesReplaceTheFileAndKeepItsPermissions) {
    test::TempDir dir;
    CPosixFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile(fs, prompt, dir.path());
    test::WriteFileBytes(profile.Path(), "[Other]\r\nkey=1\r\n");
    ::chmod(profile.Path().c_str(), 0640);

    ASSERT_EQ(profile.WriteText("InsertText", "abc"), 1);
    ASSERT_EQ(profile.WriteNumber("PasswordLength", 16), 1);
    EXPECT_EQ(test::ReadFileBytes(profile.Path()),
              "[Other]\r\nkey=1\r\n[Vaultkeep.ini]\r\nInsertText=\"abc\"\r\nPasswordLength=16\r\n");
    EXPECT_EQ(profile.ReadText("InsertText"), "abc");
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 8), 16u);

    struct stat st {};
    ASSERT_EQ(::stat(profile.Path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(ProfileFileOnDisk, AMissingFolderGivesDefaultsAndOneMessage) {
    test::TempDir dir;
    CPosixFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile(fs, prompt, dir.File("gone"));
    EXPECT_EQ(profile.ReadNumber("ShowTips", 1), 1u);
    EXPECT_EQ(profile.WriteNumber("ShowTips", 0), 0);
    EXPECT_EQ(profile.WriteNumber("FilePos", 3), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], "Error writing to file:\n" + dir.File("gone") + "/Vaultkeep.ini");
}

}  // namespace
}  // namespace vk
