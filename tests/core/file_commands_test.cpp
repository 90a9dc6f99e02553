// The editor's file commands with a scripted user: save questions, open, new file, first run.
#include <gtest/gtest.h>

#include "core/editor/file_commands.h"
#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/store/password_file.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class ScriptedHost : public IFileCommandHost {
  public:
    std::optional<std::string> openPath, saveAsPath;
    std::optional<SelectPasswordResult> selectResult;
    std::vector<SelectPasswordRequest> selectRequests;
    std::vector<std::string> statuses;
    int welcomes = 0, commits = 0, undoResets = 0, firstFolderSelections = 0;

    void CommitEdits() override { ++commits; }
    std::optional<std::string> AskOpenPath() override { return openPath; }
    std::optional<std::string> AskSaveAsPath(const std::string&) override { return saveAsPath; }
    std::optional<SelectPasswordResult> SelectPassword(const SelectPasswordRequest& r) override {
        selectRequests.push_back(r);
        return selectResult;
    }
    void ShowWelcome() override { ++welcomes; }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void FolderTreeChanged() override {}
    void StoreStateChanged() override {}
    void SelectFirstFolder() override { ++firstFolderSelections; }
    void ResetUndo() override { ++undoResets; }
};

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest()
        : file(fs, prompt, dates), commands(store, tree, file, prompt, fs, host, settings) {
        settings.programFolderFile = "/prog/Vaultkeep.vk";
        settings.addRecentFile = [this](const std::string& p) { recent.push_back(p); };
    }
    // Writes a file with one folder through a separate store.
    void MakeFile(const std::string& path, const std::string& folder, const std::string& pw = "") {
        CPasswordStore s;
        s.filePath = path;
        s.loadComplete = true;
        s.SetMasterPassword(pw);
        s.AddFolder(folder, 1);
        ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(s), 1);
    }
    void OpenAt(const std::string& path) { commands.Open(&path); }

    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CLocaleDateFormat dates{std::locale::classic()};
    CPasswordStore store;
    CFolderTree tree;
    CPasswordFile file;
    ScriptedHost host;
    FileCommandSettings settings;
    std::vector<std::string> recent;
    CFileCommands commands;
};

TEST_F(FileCommandsTest, SaveQuestionsAndTheirAnswers) {
    MakeFile("/d/a.vk", "A");
    OpenAt("/d/a.vk");
    ASSERT_TRUE(store.loadComplete);
    EXPECT_EQ(recent, std::vector<std::string>{"/d/a.vk"});

    // Unmodified: a prompted save asks nothing; an unprompted one writes and says so.
    EXPECT_EQ(commands.Save(true, true), kSaveDone);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(commands.Save(false, false), kSaveDone);
    EXPECT_EQ(host.statuses.back(), "File saved: a.vk");

    store.modified = true;
    prompt.answers = {MessageResult::kCancel};
    EXPECT_EQ(commands.Save(true, true), kSaveCancelled);
    EXPECT_TRUE(store.modified);
    EXPECT_EQ(prompt.messages.back(), "Do you wish to save your changes to a.vk?");

    prompt.answers = {MessageResult::kNo};
    EXPECT_EQ(commands.Save(true, true), kSaveDeclined);
    EXPECT_FALSE(store.modified);

    // A failed write keeps the changes and tells the caller so.
    store.modified = true;
    fs.failRenameAt = fs.renames + 1;
    prompt.answers = {MessageResult::kYes};
    EXPECT_EQ(commands.Save(true, false), kSaveFailed);
    EXPECT_TRUE(store.modified);

    // Nothing loaded: nothing to save, nothing asked.
    CPasswordStore empty;
    store = empty;
    const auto asked = prompt.messages.size();
    EXPECT_EQ(commands.Save(true, true), kSaveDone);
    EXPECT_EQ(prompt.messages.size(), asked);
}

TEST_F(FileCommandsTest, OpenSavesTheOldFileUnderItsOwnPassword) {
    MakeFile("/d/old.vk", "Old", "oldpw");
    MakeFile("/d/new.vk", "New");
    prompt.AnswerPassword("oldpw");
    OpenAt("/d/old.vk");
    ASSERT_EQ(store.folders.size(), 1u);
    store.folders[0].records.emplace_back();
    store.folders[0].records[0][kPassword] = "precious";
    store.modified = true;

    prompt.answers = {MessageResult::kYes};
    OpenAt("/d/new.vk");
    EXPECT_EQ(store.folders.at(0).path, "New");
    EXPECT_TRUE(store.masterPassword.empty());
    // The old file is still protected: its record is not readable without the password.
    EXPECT_EQ(fs.files["/d/old.vk"].find("precious"), std::string::npos);
    CPasswordStore check;
    check.filePath = "/d/old.vk";
    check.masterPassword.Assign("oldpw");
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Load(check), 1);
    EXPECT_EQ(check.folders[0].records.at(0)[kPassword], "precious");
}

TEST_F(FileCommandsTest, CancelledPickerKeepsTheFileAndPassword) {
    MakeFile("/d/a.vk", "A", "pw");
    prompt.AnswerPassword("pw");
    OpenAt("/d/a.vk");
    commands.Open(nullptr);  // the picker is cancelled
    EXPECT_EQ(store.filePath, "/d/a.vk");
    EXPECT_EQ(store.masterPassword.view(), "pw");
    EXPECT_EQ(store.folders.size(), 1u);
}

TEST_F(FileCommandsTest, FirstRunWelcomesAndCreatesTheDefaultFile) {
    settings.firstStart = true;
    SelectPasswordResult chosen;
    chosen.filePath = "/prog/Vaultkeep.vk";
    chosen.password.Assign("master");
    chosen.reminder = "hint";
    chosen.createDefaultFolders = true;
    host.selectResult = chosen;
    commands.FirstLoad();

    EXPECT_EQ(host.welcomes, 1);
    ASSERT_EQ(host.selectRequests.size(), 1u);
    EXPECT_EQ(host.selectRequests[0].title, "New file");
    EXPECT_EQ(host.selectRequests[0].filePath, "/prog/Vaultkeep.vk");
    EXPECT_FALSE(settings.firstStart);
    EXPECT_TRUE(store.loadComplete);
    EXPECT_TRUE(store.modified);  // the default folders are not saved yet
    EXPECT_EQ(host.firstFolderSelections, 1);
    std::vector<std::string> names;
    for (const auto& f : store.folders)
        names.push_back(f.path + ":" + std::to_string(f.category) + ":" +
                        std::to_string(f.records.size()));
    EXPECT_EQ(names, (std::vector<std::string>{"Banking:3:1", "Internet:2:1", "Software:4:1",
                                               "Email:1:1"}));
    EXPECT_EQ(commands.Save(false, false), kSaveDone);
    CPasswordStore back;
    back.filePath = "/prog/Vaultkeep.vk";
    back.masterPassword.Assign("master");
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Load(back), 1);
    EXPECT_EQ(back.folders.size(), 4u);
    EXPECT_EQ(back.reminder, "hint");
}

TEST_F(FileCommandsTest, LaterStartsOpenWhatIsThereOrAsk) {
    MakeFile("/d/last.vk", "Last");
    store.filePath = "/d/last.vk";
    settings.firstStart = true;  // a first start with a file to open needs no welcome
    commands.FirstLoad();
    EXPECT_EQ(host.welcomes, 0);
    EXPECT_TRUE(host.selectRequests.empty());
    EXPECT_FALSE(settings.firstStart);
    EXPECT_EQ(store.folders.at(0).path, "Last");

    // The remembered file is gone: the user is asked for one.
    CPasswordStore fresh;
    store = fresh;
    store.filePath = "/d/gone.vk";
    host.openPath = "/d/last.vk";
    commands.FirstLoad();
    EXPECT_EQ(store.filePath, "/d/last.vk");
    EXPECT_TRUE(store.loadComplete);
}

TEST_F(FileCommandsTest, ChangingTheMasterPasswordRewritesOnSave) {
    MakeFile("/d/a.vk", "A", "one");
    prompt.AnswerPassword("one");
    OpenAt("/d/a.vk");
    SelectPasswordResult result;
    result.filePath = "/d/a.vk";
    result.protectionOn = false;
    host.selectResult = result;
    ASSERT_TRUE(commands.ChangeMasterPassword());
    EXPECT_TRUE(host.selectRequests.back().changeMode);
    EXPECT_EQ(host.selectRequests.back().title, "Change password");
    EXPECT_FALSE(store.encrypted);
    EXPECT_TRUE(store.modified);
    ASSERT_EQ(commands.Save(false, false), kSaveDone);
    EXPECT_EQ(fs.files["/d/a.vk"].find("P\0\0\0"), std::string::npos);

    // Cancel changes nothing.
    host.selectResult.reset();
    store.modified = false;
    EXPECT_FALSE(commands.ChangeMasterPassword());
    EXPECT_FALSE(store.modified);
}

}  // namespace
}  // namespace vk
