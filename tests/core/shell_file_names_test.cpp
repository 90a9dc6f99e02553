// File-name rules shared by the password dialogs, the file commands and the pickers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/shell/file_names.h"
#include "core/shell/shell_messages.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

TEST(ShellFileNames, BareNamesGoToTheProgramFolderOthersStay) {
    EXPECT_EQ(PlaceBareFileName("mine.vk", "/opt/vk/"), "/opt/vk/mine.vk");
    EXPECT_EQ(PlaceBareFileName("mine.vk", "/opt/vk"), "/opt/vk/mine.vk");
    EXPECT_EQ(PlaceBareFileName("C:\\Data\\mine.vk", "/opt/vk/"), "C:\\Data\\mine.vk");
    EXPECT_EQ(PlaceBareFileName("/home/a/mine.vk", "/opt/vk/"), "/home/a/mine.vk");
    EXPECT_EQ(PlaceBareFileName("sub/mine.vk", "/opt/vk/"), "sub/mine.vk");

    EXPECT_EQ(FileNamePart("C:\\Data\\mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("/home/a/mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("mine.vk"), "mine.vk");
    EXPECT_EQ(FileNamePart("/home/a/"), "");
}

TEST(ShellFileNames, ExtensionIsAddedOnlyWhenNoneIsThereAndPickersShowIt) {
    EXPECT_EQ(WithPasswordFileExtension("mine"), "mine.vk");
    EXPECT_EQ(WithPasswordFileExtension("MINE.VK"), "MINE.VK");
    EXPECT_EQ(WithPasswordFileExtension("/a/b.vk"), "/a/b.vk");
    EXPECT_EQ(WithPasswordFileExtension("notes.txt"), "notes.txt.vk");
    // The pickers show our files first, then every file.
    EXPECT_EQ(PasswordFileFilter(), "Vaultkeep files (*.vk)|*.vk|All Files (*.*)|*.*");
    EXPECT_EQ(PasswordFileFilter("*"), "Vaultkeep files (*.vk)|*.vk|All Files (*.*)|*");
}

TEST(ShellFileNames, ForbiddenCharactersAreRefusedWithTheList) {
    test::ScriptedPrompt prompt;
    for (const char* bad : {"a:b.vk", "a*.vk", "what?.vk", "say\"hi\".vk", "<x>.vk", "a|b.vk"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CheckFileNameCharacters(std::string("/home/u/") + bad, prompt));
    }
    ASSERT_EQ(prompt.messages.size(), 6u);
    EXPECT_EQ(prompt.messages[0],
              "\nPlease do not use any of the following characters\nin the filename:\n\n"
              "                    / \\ : * ? \" < > | ");
    EXPECT_EQ(prompt.icons[0], MessageIcon::kExclamation);

    // Only the name part counts: folders may hold what they like.
    EXPECT_TRUE(CheckFileNameCharacters("C:\\Data\\mine.vk", prompt));
    EXPECT_TRUE(CheckFileNameCharacters("/mnt/a:b/mine.vk", prompt));
    EXPECT_EQ(prompt.messages.size(), 6u);
}

}  // namespace
}  // namespace vk
