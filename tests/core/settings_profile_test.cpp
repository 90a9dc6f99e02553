// The profile file: values written and read back, other content kept byte for byte, hostile
// files, and writes that fail without touching the old file.
#include <gtest/gtest.h>

#include "core/settings/profile_file.h"
#include "core/settings/profile_text.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

constexpr char kPath[] = "/prog/Vaultkeep.ini";

class ProfileFileTest : public ::testing::Test {
  protected:
    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile{fs, prompt, "/prog"};
};

TEST_F(ProfileFileTest, ValuesComeBackAndMissingOnesGiveTheDefault) {
    EXPECT_EQ(profile.Path(), kPath);
    EXPECT_EQ(profile.ReadText("InsertText", "dflt"), "dflt");
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 8), 8u);

    ASSERT_EQ(profile.WriteNumber("PasswordLength", 12), 1);
    ASSERT_EQ(profile.WriteText("SpecialChars", " !\"#$ "), 1);
    ASSERT_EQ(profile.WriteNumber("FilePos", 4294967295u), 1);
    EXPECT_EQ(fs.files.at(kPath),
              "[Vaultkeep.ini]\nPasswordLength=12\nSpecialChars=\" !\"#$ \"\nFilePos=4294967295\n");
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 8), 12u);
    EXPECT_EQ(profile.ReadText("SpecialChars"), " !\"#$ ");
    EXPECT_EQ(profile.ReadNumber("FilePos", 0), 4294967295u);
    EXPECT_EQ(profile.ReadText("ShowTips", "x"), "x");

    ASSERT_EQ(profile.WriteText("SpecialChars", ""), 1);
    EXPECT_EQ(profile.ReadText("SpecialChars", "x"), "");  // present and empty
    EXPECT_EQ(fs.files.size(), 1u);                        // no temporary file left over
    EXPECT_TRUE(prompt.messages.empty());

    CProfileFile trailing(fs, prompt, "/prog/");
    EXPECT_EQ(trailing.Path(), kPath);
}

TEST_F(ProfileFileTest, WritingKeepsEverythingElseByteForByte) {
    fs.files[kPath] =
        "; kept\r\n[Other]\r\nUseCase=9\r\n\r\n[vaultkeep.INI]\r\n  useCASE = 0\r\nnoise\r\n"
        "UseNumbers=1\r\n\r\n[Last]\r\nx=y";
    ASSERT_EQ(profile.WriteNumber("UseCase", 1), 1);
    ASSERT_EQ(profile.WriteNumber("Secure", 1), 1);
    EXPECT_EQ(fs.files.at(kPath),
              "; kept\r\n[Other]\r\nUseCase=9\r\n\r\n[vaultkeep.INI]\r\nUseCase=1\r\nnoise\r\n"
              "UseNumbers=1\r\nSecure=1\r\n\r\n[Last]\r\nx=y\n");
    EXPECT_EQ(profile.ReadNumber("usecase", 5), 1u);
}

TEST_F(ProfileFileTest, HostileProfilesReadSafely) {
    const std::string longValue(400, 'v');
    fs.files[kPath] = std::string("junk") + '\0' + "\xFF line\n[ Vaultkeep.ini ] trailing\n" +
                      "PasswordLength=abc\nUseLetters=-5\nUseNumbers=99999999999\nUseSpecial=12ab\n"
                      "UseCase=\nInsertText=\"unclosed\nWordOptions='single'\n=no key\n"
                      "InsertMode=1\nInsertMode=2\nSpecialChars=" +
                      longValue + "\n";
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 8), 8u);
    EXPECT_EQ(profile.ReadNumber("UseLetters", 1), 0u);
    EXPECT_EQ(profile.ReadNumber("UseNumbers", 1), 4294967295u);
    EXPECT_EQ(profile.ReadNumber("UseSpecial", 1), 12u);
    EXPECT_EQ(profile.ReadNumber("UseCase", 7), 7u);
    EXPECT_EQ(profile.ReadText("InsertText"), "\"unclosed");
    EXPECT_EQ(profile.ReadText("WordOptions"), "single");
    EXPECT_EQ(profile.ReadNumber("InsertMode", 0), 1u);  // the first of two
    EXPECT_EQ(profile.ReadText("SpecialChars"), longValue.substr(0, 259));

    // Line breaks in a written text cannot add keys.
    ASSERT_EQ(profile.WriteText("InsertText", "a\r\nPasswordLength=1\n[x]"), 1);
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 7), 7u);
    EXPECT_EQ(profile.ReadText("InsertText"), "a  PasswordLength=1 [x]");
}

TEST_F(ProfileFileTest, FailedWritesKeepTheOldFileAndReportOnce) {
    ASSERT_EQ(profile.WriteNumber("PasswordLength", 10), 1);
    const std::string before = fs.files.at(kPath);

    fs.failCreateAt = fs.creates + 1;
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 11), 0);
    ASSERT_EQ(prompt.messages,
              std::vector<std::string>{"Error writing to file:\n/prog/Vaultkeep.ini"});

    fs.failAppendAt = fs.appends + 1;
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 12), 0);
    fs.failSyncAt = fs.syncs + 1;
    EXPECT_EQ(profile.WriteText("InsertText", "x"), 0);
    fs.failRenameAt = fs.renames + 1;
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 13), 0);
    fs.locked.insert(kPath);
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 14), 0);
    fs.locked.clear();

    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(fs.files.at(kPath), before);
    EXPECT_EQ(fs.files.size(), 1u);
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 15), 1);
}

TEST_F(ProfileFileTest, AFileThatCannotBeReadWholeIsNeitherReadNorReplaced) {
    std::string huge = "[Vaultkeep.ini]\nPasswordLength=20\n";
    huge.resize(CProfileFile::kMaxBytes + 1, ';');
    fs.files[kPath] = huge;
    EXPECT_EQ(profile.ReadNumber("PasswordLength", 8), 8u);
    EXPECT_EQ(profile.WriteNumber("PasswordLength", 9), 0);
    EXPECT_EQ(fs.files.at(kPath), huge);
    EXPECT_EQ(prompt.messages.size(), 1u);

    fs.files[kPath] = "[Vaultkeep.ini]\nShowTips=1\n";
    fs.failReadAt = fs.reads + 1;
    EXPECT_EQ(profile.ReadNumber("ShowTips", 0), 0u);
    fs.failOpenReadAt = fs.opens + 1;
    EXPECT_EQ(profile.WriteNumber("ShowTips", 0), 0);
    EXPECT_EQ(fs.files.at(kPath), "[Vaultkeep.ini]\nShowTips=1\n");
}

TEST(ProfileText, SectionsAndKeysAreAddedWhereTheyBelong) {
    EXPECT_EQ(SetProfileValue("", "S", "k", "1"), "[S]\nk=1\n");
    EXPECT_EQ(SetProfileValue("[A]\na=1\n", "S", "k", "1"), "[A]\na=1\n[S]\nk=1\n");
    EXPECT_EQ(SetProfileValue("[S]\n\n[T]\nk=0\n", "S", "k", "1"), "[S]\nk=1\n\n[T]\nk=0\n");
    EXPECT_EQ(SetProfileValue("[S]\n;k=0\n", "S", "k", "1"), "[S]\n;k=0\nk=1\n");
    EXPECT_FALSE(FindProfileValue("[S]\n;k=0\n", "S", "k").has_value());
    EXPECT_FALSE(FindProfileValue("[T]\nk=0\n", "S", "k").has_value());
    EXPECT_EQ(FindProfileValue("[S]\n k = \" two words \" \n", "S", "K"), " two words ");
    EXPECT_EQ(FindProfileValue("[S]\nk=a=b\n", "S", "k"), "a=b");
    EXPECT_EQ(FindProfileValue("[S]\nk=\"\n", "S", "k"), "\"");
}

}  // namespace
}  // namespace vk
