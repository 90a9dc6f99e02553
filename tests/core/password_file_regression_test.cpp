// Files that broke the save-and-reload round trip (the first one as the fuzzer produced it),
// next to the cases they stand for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/shell/date_text.h"
#include "core/store/password_file.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

using test::MemFileSystem;
using test::ScriptedPrompt;

const std::string kPath = "regression.vk";

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string FolderBlock(const std::string& path, unsigned char category = 1) {
    std::string block = "F" + std::string(3, '\0') + path;
    block.resize(4 + 260, '\0');
    return block + Bytes({category, 0, 0, 0});
}

std::string RecordBlock(const std::string& description) {
    std::string block = "R" + std::string(3, '\0') + description;
    block.resize(4 + 1736, '\0');
    return block;
}

const std::string kVersion = Bytes({'V', 0, 0, 0, '3', 0, 0, 0});

std::vector<std::string> Paths(const CPasswordStore& store) {
    std::vector<std::string> paths;
    for (const CFolder& f : store.folders) paths.push_back(f.path);
    return paths;
}

class PasswordFileRegressionTest : public ::testing::Test {
  protected:
    // Loads `bytes` as the file, saves the store over it and loads the result again.
    void LoadSaveReload(const std::string& bytes) {
        fs.files[kPath] = bytes;
        first.filePath = kPath;
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Load(first), 1);
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(first), 1);
        second.filePath = kPath;
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Load(second), 1);
        EXPECT_TRUE(prompt.messages.empty());
    }

    MemFileSystem fs;
    ScriptedPrompt prompt;
    CLocaleDateFormat dates{std::locale::classic()};
    CPasswordStore first, second;
};

// A folder whose own name is empty ("Mail~" or "~") used to lose its last separator on save:
// it came back as a second folder of its parent's name, at its parent's level.
TEST_F(PasswordFileRegressionTest, EmptyFolderNamesSurviveSave) {
    // As found: version, then a folder "H\xff~" cut short by the end of the file.
    LoadSaveReload(Bytes({0x56, 0x0,  0x0,  0x0,  0x33, 0x0,  0x0,  0x0, 0x46, 0x0, 0x0,
                          0x0,  0x48, 0xff, 0x7e, 0x0,  0x0,  0x0,  0x0, 0x0,  0x0, 0x0,
                          0x1f, 0x7e, 0x7e, 0x7e, 0x7e, 0x45, 0xa4, 0x0, 0x0}));
    EXPECT_EQ(Paths(second), std::vector<std::string>{"H\xff~"});
    EXPECT_EQ(second.folders[0].category, first.folders[0].category);

    first = CPasswordStore();
    second = CPasswordStore();
    LoadSaveReload(kVersion + FolderBlock("Mail") + FolderBlock("Mail~") +
                   RecordBlock("inside the unnamed one") + FolderBlock("~") + FolderBlock("~~") +
                   FolderBlock("a~~b") + FolderBlock(""));
    EXPECT_EQ(Paths(second), Paths(first));
    EXPECT_EQ(Paths(second), (std::vector<std::string>{"Mail", "Mail~", "~", "~~", "a~~b", ""}));
    ASSERT_EQ(second.folders[1].records.size(), 1u);
    EXPECT_EQ(second.folders[1].records[0][kDescription], "inside the unnamed one");
    EXPECT_TRUE(second.folders[0].records.empty());
}

// The reader drops a character that the path's 259-byte read limit cut in half. It used to
// drop the last byte of any path that merely looked like the start of one, such as a Windows
// "Café" ending in 0xE9, losing the letter from the folder's name at the next save.
TEST_F(PasswordFileRegressionTest, FolderPathsLoseOnlyCharactersCutByTheReadLimit) {
    const std::string full(258, 'p');
    LoadSaveReload(kVersion + FolderBlock("Caf\xe9") + FolderBlock("\xff") +
                   FolderBlock(full + "\xe9") +       // 259 bytes, ends before the limit
                   FolderBlock(full + "\xc3\xa9") +   // UTF-8 e-acute split by the limit
                   FolderBlock(full + "p\xc3\xa9"));  // cut just after a whole character
    EXPECT_EQ(Paths(first),
              (std::vector<std::string>{"Caf\xe9", "\xff", full + "\xe9", full, full + "p"}));
    EXPECT_EQ(Paths(second), Paths(first));
}

}  // namespace
}  // namespace vk
