// Loading and saving password files: the block layout, every message, and that no failure
// ever costs the user the file they had.
#include <gtest/gtest.h>

#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/shell/messages.h"
#include "core/store/blowfish.h"
#include "core/store/file_layout.h"
#include "core/store/password_check.h"
#include "core/store/password_file.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

using test::MemFileSystem;
using test::ScriptedPrompt;

const std::string kPath = "/home/u/Vaultkeep.vk";

class PasswordFileTest : public ::testing::Test {
  protected:
    CPasswordStore NewStore(const std::string& password = "") {
        CPasswordStore s;
        s.filePath = kPath;
        s.loadComplete = true;
        s.SetMasterPassword(password);
        return s;
    }
    static CRecord Record(const std::string& description, const std::string& password = "") {
        CRecord r;
        r[kDescription] = description;
        r[kPassword] = password;
        return r;
    }
    // A store that names the file and holds nothing yet.
    static CPasswordStore Unread(const std::string& path = kPath) {
        CPasswordStore s;
        s.filePath = path;
        return s;
    }
    int Save(CPasswordStore& s) { return CPasswordFile(fs, prompt, dates).Save(s); }
    int Load(CPasswordStore& s) { return CPasswordFile(fs, prompt, dates).Load(s); }
    // A store read back from the file with the password already held.
    CPasswordStore Reload(const std::string& password = "") {
        CPasswordStore s = Unread();
        s.masterPassword.Assign(password);
        EXPECT_EQ(Load(s), 1) << (prompt.messages.empty() ? "" : prompt.messages.back());
        return s;
    }
    std::vector<char> Tags(const std::string& path = kPath) {
        const std::string& bytes = fs.files.at(path);
        std::vector<char> tags;
        for (std::size_t pos = 0; pos + 4 <= bytes.size();) {
            const char tag = bytes[pos];
            tags.push_back(tag);
            pos += 4 + (tag == 'V'                 ? 4
                        : tag == 'P'               ? 32
                        : tag == 'M'               ? 80
                        : tag == 'S' || tag == 'U' ? 16
                        : tag == 'F'               ? 264
                                                   : 1736);
        }
        return tags;
    }
    static std::string Block(char tag, std::string body, std::size_t size) {
        body.resize(size, '\0');
        return std::string{tag, 0, 0, 0} + body;
    }
    static std::string Folder(std::string path) {
        path.resize(260, '\0');
        return Block('F', path + "\x01", 264);  // category 1
    }
    // Loads `bytes` as the file, saves it over itself and gives the folder paths of the load
    // and of the reload.
    std::pair<std::vector<std::string>, std::vector<std::string>> LoadSaveReload(
        const std::string& bytes, CPasswordStore* reloaded = nullptr) {
        fs.files[kPath] = bytes;
        CPasswordStore first = Reload();
        EXPECT_EQ(Save(first), 1);
        CPasswordStore second = Reload();
        EXPECT_TRUE(prompt.messages.empty());
        for (std::size_t i = 0; i < first.folders.size() && i < second.folders.size(); ++i)
            EXPECT_EQ(second.folders[i].category, first.folders[i].category);
        if (reloaded) *reloaded = second;
        return {Paths(first), Paths(second)};
    }
    static std::vector<std::string> Paths(const CPasswordStore& s) {
        std::vector<std::string> paths;
        for (const auto& f : s.folders) paths.push_back(f.path);
        return paths;
    }

    MemFileSystem fs;
    ScriptedPrompt prompt;
    CLocaleDateFormat dates{std::locale::classic()};  // not the machine's locale
};

TEST_F(PasswordFileTest, PlainFileLayoutAndRoundTrip) {
    CPasswordStore s = NewStore();
    s.folderHistory = {"a", "b", "c", "d", "e", "f"};
    s.itemHistory = {"x"};
    s.AddFolder("Internet", 2);
    s.AddFolder("Internet~Mail", 2);
    CRecord r = Record("Mail", "pw");
    r[kUrl] = std::string(70, 'u');
    r[kEmail] = "me@example.com";
    r[kNotes] = "line 1\r\nline 2";
    r[kDateAssigned] = "stale text";
    r.dateAssigned = {2024, 3, 2, 5, 0, 0, 0, 0};
    s.folders[1].records.push_back(r);
    ASSERT_EQ(Save(s), 1);

    EXPECT_EQ(Tags(), (std::vector<char>{'V', 'S', 'S', 'S', 'S', 'S', 'U', 'F', 'F', 'R'}));
    EXPECT_NE(fs.files[kPath].find("me@example.com"), std::string::npos);  // bodies are plain
    EXPECT_EQ(fs.files[kPath].substr(4, 4), std::string("3\0\0\0", 4));

    CPasswordStore back = Reload();
    EXPECT_FALSE(back.encrypted);
    EXPECT_TRUE(back.loadComplete);
    EXPECT_EQ(back.folderHistory, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    ASSERT_EQ(back.folders.size(), 2u);
    EXPECT_EQ(back.folders[1].path, "Internet~Mail");
    EXPECT_EQ(back.folders[1].category, 2);
    const CRecord& got = back.folders[1].records.at(0);
    EXPECT_EQ(got[kUrl], std::string(64, 'u'));  // the Email slot is not read into it
    EXPECT_EQ(got[kEmail], "me@example.com");
    EXPECT_EQ(got[kNotes], "line 1\r\nline 2");
    EXPECT_EQ(got[kDateAssigned], "03/05/24");  // rebuilt from the date
    EXPECT_EQ(got[kDateExpires], "");
    EXPECT_EQ(got.dateAssigned, r.dateAssigned);
}

TEST_F(PasswordFileTest, ProtectedFileLayoutReminderAndCipher) {
    CPasswordStore s = NewStore("correct horse");
    s.reminder = std::string(40, 'r');
    s.itemHistory = {"secret search"};
    s.AddFolder("Banking", 3);
    s.folders[0].records.push_back(Record("Card", "1234"));
    ASSERT_EQ(Save(s), 1);
    EXPECT_EQ(Tags(), (std::vector<char>{'V', 'P', 'M', 'U', 'F', 'R'}));
    const std::string& bytes = fs.files[kPath];
    EXPECT_EQ(bytes.find("Card"), std::string::npos);
    EXPECT_EQ(bytes.find("secret search"), std::string::npos);
    EXPECT_NE(bytes.find("Banking"), std::string::npos);  // folder blocks stay plain

    // The record body is the plain layout enciphered in ECB under the password's key.
    const std::size_t recordBody = bytes.size() - file_layout::kRecordBytes;
    std::vector<std::uint8_t> body(bytes.begin() + static_cast<long>(recordBody), bytes.end());
    CBlowfish("correct horse").DecryptBuffer(body.data(), static_cast<std::int32_t>(body.size()));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(body.data())), "Card");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(body.data()) + 32), "1234");

    CPasswordStore back = Reload("correct horse");
    EXPECT_TRUE(back.encrypted);
    EXPECT_TRUE(prompt.passwordRequests.empty());
    EXPECT_EQ(back.reminder, std::string(32, 'r'));
    EXPECT_EQ(back.itemHistory, std::vector<std::string>{"secret search"});
    EXPECT_EQ(back.folders.at(0).records.at(0)[kPassword], "1234");

    s.reminder = std::string(31, 'q');
    ASSERT_EQ(Save(s), 1);
    EXPECT_EQ(Reload("correct horse").reminder, std::string(31, 'q'));
}

TEST_F(PasswordFileTest, AsksForThePasswordWithNameAndReminder) {
    CPasswordStore s = NewStore("right");
    s.reminder = "hint";
    s.AddFolder("A", 1);
    ASSERT_EQ(Save(s), 1);

    CPasswordStore other = Unread();
    prompt.AnswerPassword("right");
    ASSERT_EQ(Load(other), 1);
    ASSERT_EQ(prompt.passwordRequests.size(), 1u);
    EXPECT_EQ(prompt.passwordRequests[0].fileName, "Vaultkeep.vk");
    EXPECT_EQ(prompt.passwordRequests[0].reminder, "hint");
    EXPECT_EQ(other.masterPassword.view(), "right");
    EXPECT_TRUE(other.encrypted);
    EXPECT_EQ(other.folders.size(), 1u);

    // Cancel: nothing is held, nothing can be saved over the file.
    CPasswordStore cancelled = Unread();
    cancelled.masterPassword.Assign("wrong");
    EXPECT_EQ(Load(cancelled), 0);
    EXPECT_TRUE(cancelled.masterPassword.empty());
    EXPECT_TRUE(cancelled.reminder.empty());
    EXPECT_TRUE(cancelled.folders.empty());
    EXPECT_FALSE(cancelled.loadComplete);
    const std::string before = fs.files[kPath];
    EXPECT_EQ(Save(cancelled), 0);
    EXPECT_EQ(fs.files[kPath], before);

    // A prompt that claims success with a wrong password is not believed.
    prompt.AnswerPassword("Right");
    CPasswordStore lied = Unread();
    EXPECT_EQ(Load(lied), 0);

    // Browse loads the other file instead.
    CPasswordStore plain = NewStore();
    plain.filePath = "/home/u/other.vk";
    plain.AddFolder("Second", 1);
    ASSERT_EQ(Save(plain), 1);
    CPasswordStore browsed = Unread();
    prompt.AnswerBrowse("/home/u/other.vk");
    ASSERT_EQ(Load(browsed), 1);
    EXPECT_EQ(browsed.filePath, "/home/u/other.vk");
    ASSERT_EQ(browsed.folders.size(), 1u);
    EXPECT_EQ(browsed.folders[0].path, "Second");
}

TEST_F(PasswordFileTest, CreatedFilesLoadWithoutAsking) {
    CPasswordStore s = NewStore("fresh");
    s.reminder = "r";
    s.loadComplete = false;  // create does not need a load first
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Create(s), 1);
    EXPECT_EQ(Tags(), (std::vector<char>{'P', 'M'}));
    CPasswordStore back = Reload("fresh");
    EXPECT_TRUE(back.folders.empty());
    EXPECT_TRUE(back.encrypted);
    EXPECT_TRUE(prompt.passwordRequests.empty());

    CPasswordStore open = NewStore();
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Create(open), 1);
    EXPECT_EQ(fs.files[kPath], "");  // an unprotected new file is empty
    EXPECT_TRUE(Reload().loadComplete);
}

// Folders go out in the tree's order under their shown names; deleted ones and all but the
// last of the empty records are left out.
TEST_F(PasswordFileTest, SaveWalksTheTreeKeepsOneEmptyRecordAndSkipsDeletedFolders) {
    CPasswordStore s = NewStore();
    for (const char* path : {"Gone", "A", "B", "A~C"}) s.AddFolder(path, 1);
    s.folders[0].inUse = false;
    CRecord emptyWithDate;
    emptyWithDate.dateExpires = {2030, 1, 0, 1, 0, 0, 0, 0};
    s.folders[1].records = {emptyWithDate, CRecord(), Record("filled"), CRecord()};
    CFolderTree tree;
    tree.BuildFrom(s);
    tree.FindByFolderIndex(1)->name = "Renamed";
    ASSERT_EQ(CPasswordFile(fs, prompt, dates).Save(s, tree), 1);
    EXPECT_EQ(s.folders[3].path, "Renamed~C");
    EXPECT_EQ(s.folders.size(), 4u);  // the deleted slot stays until the next load

    CPasswordStore back = Reload();
    EXPECT_EQ(Paths(back), (std::vector<std::string>{"Renamed", "Renamed~C", "B"}));
    ASSERT_EQ(back.folders[0].records.size(), 2u);
    EXPECT_EQ(back.folders[0].records[0].dateExpires, emptyWithDate.dateExpires);
    EXPECT_EQ(back.folders[0].records[1][kDescription], "filled");
}

TEST_F(PasswordFileTest, LongTextIsCutAtSlotsWithoutSplittingCharacters) {
    CPasswordStore s = NewStore();
    s.AddFolder(std::string(300, 'p'), 1);
    CRecord r;
    r[kDescription] =
        std::string(31, 'd') + "\xC3\xA9";  // 33 bytes, the last character split at 32
    r[kPassword] = std::string(64, 'x');    // exactly fills its slot
    s.folders[0].records.push_back(r);
    ASSERT_EQ(Save(s), 1);
    CPasswordStore back = Reload();
    EXPECT_EQ(back.folders[0].path, std::string(259, 'p'));
    EXPECT_EQ(back.folders[0].records[0][kDescription], std::string(31, 'd'));
    EXPECT_EQ(back.folders[0].records[0][kPassword], std::string(64, 'x'));
}

TEST_F(PasswordFileTest, OddButValidFiles) {
    // P and M only: a valid empty database.
    fs.files[kPath] =
        Block('P', "hint", 32) +
        Block('M', std::string(reinterpret_cast<const char*>(MakeCheckBlock("").data()), 80), 80);
    CPasswordStore pm = Reload();
    EXPECT_TRUE(pm.folders.empty());
    EXPECT_EQ(pm.reminder, "hint");

    // An all-zero check block passes at once.
    fs.files[kPath] = Block('V', "3", 4) + Block('M', "", 80) + Block('F', "Z", 264);
    EXPECT_EQ(Reload().folders.size(), 1u);

    // A record before any folder is skipped whole, so the next tag is still read in step.
    fs.files[kPath] = Block('V', "3", 4) + Block('R', "orphan", 1736) + Block('F', "Real", 264) +
                      Block('R', "kept", 1736);
    CPasswordStore orphan = Reload();
    ASSERT_EQ(orphan.folders.size(), 1u);
    ASSERT_EQ(orphan.folders[0].records.size(), 1u);
    EXPECT_EQ(orphan.folders[0].records[0][kDescription], "kept");

    // A file that ends inside a record keeps the record with zeros for the rest.
    fs.files[kPath] = Block('F', "Cut", 264) + Block('R', "half", 1736).substr(0, 100);
    CPasswordStore cut = Reload();
    ASSERT_EQ(cut.folders.at(0).records.size(), 1u);
    EXPECT_EQ(cut.folders[0].records[0][kDescription], "half");

    // An explicit end tag ends the data.
    fs.files[kPath] = Block('F', "One", 264) + std::string("X\0\0\0", 4) + "garbage";
    EXPECT_EQ(Reload().folders.size(), 1u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(PasswordFileTest, DamagedFilesGiveTheirMessageAndCannotBeSavedOver) {
    struct Case {
        std::string bytes;
        std::string message;
    };
    const std::string version = "\nInvalid version number in file:\n\n" + kPath +
                                "\n\nYou may need a newer version of this utility to read this "
                                "password file.";
    const Case cases[] = {
        {Block('F', "Kept", 264) + std::string("Q\0\0\0", 4), msg::kUnknownDataType},
        {Block('F', "Kept", 264) + std::string("R\0", 2), msg::kUnknownDataType},  // cut tag
        {Block('V', "4", 4), version},
        {Block('V', "33", 4), version},
        {std::string("V\0\0\x01", 4), msg::kUnknownDataType},
    };
    for (const Case& c : cases) {
        prompt.messages.clear();
        fs.files[kPath] = c.bytes;
        CPasswordStore s = Unread();
        EXPECT_EQ(Load(s), 0);
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(s.loadComplete);
        EXPECT_EQ(Save(s), 0);
        EXPECT_EQ(fs.files[kPath], c.bytes);
    }
}

TEST_F(PasswordFileTest, OpenAndReadFailuresAreReported) {
    CPasswordStore s;
    EXPECT_EQ(Load(s), 0);  // no path: no message
    EXPECT_TRUE(prompt.messages.empty());

    s.filePath = "/nowhere.vk";
    EXPECT_EQ(Load(s), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0],
              "Error: Can't open the source file for reading.\nPlease select a different file, "
              "or create a new file, from the Editor window.\n\n\nNo such file or "
              "directory\n\nFilename: /nowhere.vk");

    // A read error keeps what was read but never lets the partial file be saved over.
    CPasswordStore full = NewStore();
    for (int i = 0; i < 100; ++i) full.AddFolder("F" + std::to_string(i), 1);
    ASSERT_EQ(Save(full), 1);
    fs.readChunk = 4096;
    fs.failReadAt = fs.reads + 3;
    prompt.messages.clear();
    CPasswordStore partial = Unread();
    EXPECT_EQ(Load(partial), 0);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].rfind("Error: Error reading file\n\n\nInput/output error", 0), 0u);
    EXPECT_FALSE(partial.folders.empty());
    EXPECT_FALSE(partial.loadComplete);
}

// Every way a save can fail leaves the old file byte for byte, no stray file, and a failure.
TEST_F(PasswordFileTest, FailedSavesLoseNothing) {
    CPasswordStore s = NewStore("pw");
    for (int i = 0; i < 50; ++i) {
        s.AddFolder("Folder" + std::to_string(i), 1);
        for (int j = 0; j < 20; ++j) s.folders.back().records.push_back(Record("r", "p"));
    }
    ASSERT_EQ(Save(s), 1);
    const std::string original = fs.files[kPath];
    s.folders[0].records[0][kDescription] = "changed";

    struct Failure {
        const char* name;
        int MemFileSystem::*counter;
        int MemFileSystem::*trigger;
        int after;  // calls that still work
        const char* message;
    };
    using M = MemFileSystem;
    const Failure failures[] = {
        {"create", &M::creates, &M::failCreateAt, 0, msg::kCantOpenSource},
        {"first write", &M::appends, &M::failAppendAt, 0, msg::kErrorWritingFile},
        {"middle write", &M::appends, &M::failAppendAt, 2, msg::kErrorWritingFile},
        {"sync", &M::syncs, &M::failSyncAt, 0, msg::kErrorWritingFile},
        {"close", &M::closes, &M::failCloseAt, 0, msg::kErrorWritingFile},
        {"rename", &M::renames, &M::failRenameAt, 0, msg::kErrorWritingFile},
    };
    for (const Failure& f : failures) {
        prompt.messages.clear();
        fs.*(f.trigger) = fs.*(f.counter) + 1 + f.after;
        EXPECT_EQ(Save(s), 0) << f.name;
        fs.*(f.trigger) = 0;
        EXPECT_EQ(fs.files.size(), 1u) << f.name << ": a temporary file was left behind";
        EXPECT_EQ(fs.files[kPath], original) << f.name;
        ASSERT_EQ(prompt.messages.size(), 1u) << f.name;
        EXPECT_EQ(prompt.messages[0].rfind(std::string("Error: ") + f.message, 0), 0u) << f.name;
    }
    // Another copy holding the file: the open message, nothing written.
    fs.locked.insert(kPath);
    prompt.messages.clear();
    EXPECT_EQ(Save(s), 0);
    EXPECT_EQ(prompt.messages.size(), 1u);
    fs.locked.clear();

    // The same save works once the disk behaves.
    EXPECT_EQ(Save(s), 1);
    EXPECT_EQ(Reload("pw").folders[0].records[0][kDescription], "changed");
}

// A folder whose own name is empty ("Mail~" or "~") used to lose its last separator on save:
// it came back as a second folder of its parent's name, at its parent's level.
TEST_F(PasswordFileTest, EmptyFolderNamesSurviveSave) {
    // As the fuzzer found it: version, then a folder "H\xff~" cut short by the end of the file.
    const unsigned char found[] = {0x56, 0x0,  0x0,  0x0,  0x33, 0x0,  0x0,  0x0, 0x46, 0x0, 0x0,
                                   0x0,  0x48, 0xff, 0x7e, 0x0,  0x0,  0x0,  0x0, 0x0,  0x0, 0x0,
                                   0x1f, 0x7e, 0x7e, 0x7e, 0x7e, 0x45, 0xa4, 0x0, 0x0};
    EXPECT_EQ(LoadSaveReload(std::string(std::begin(found), std::end(found))).second,
              std::vector<std::string>{"H\xff~"});

    CPasswordStore back;
    const auto [first, second] = LoadSaveReload(
        Folder("Mail") + Folder("Mail~") + Block('R', "inside the unnamed one", 1736) +
            Folder("~") + Folder("~~") + Folder("a~~b") + Folder(""),
        &back);
    EXPECT_EQ(first, (std::vector<std::string>{"Mail", "Mail~", "~", "~~", "a~~b", ""}));
    EXPECT_EQ(second, first);
    EXPECT_TRUE(back.folders[0].records.empty());
    ASSERT_EQ(back.folders[1].records.size(), 1u);
    EXPECT_EQ(back.folders[1].records[0][kDescription], "inside the unnamed one");
}

// The reader drops a character that the path's 259-byte read limit cut in half. It used to
// drop the last byte of any path that merely looked like the start of one, such as a Windows
// "Café" ending in 0xE9, losing the letter from the folder's name at the next save.
TEST_F(PasswordFileTest, FolderPathsLoseOnlyCharactersCutByTheReadLimit) {
    const std::string full(258, 'p');
    const auto [first, second] =
        LoadSaveReload(Folder("Caf\xe9") + Folder("\xff") +
                       Folder(full + "\xe9") +       // 259 bytes, ends before the limit
                       Folder(full + "\xc3\xa9") +   // UTF-8 e-acute split by the limit
                       Folder(full + "p\xc3\xa9"));  // cut just after a whole character
    EXPECT_EQ(first,
              (std::vector<std::string>{"Caf\xe9", "\xff", full + "\xe9", full, full + "p"}));
    EXPECT_EQ(second, first);
}

TEST(PasswordCheck, BlocksAndLimits) {
    // Letter case and passwords beyond the key length: see the password entry's tests.
    const CheckBlock block = MakeCheckBlock("Secret");
    EXPECT_TRUE(PasswordMatchesCheckBlock("Secret", block));
    EXPECT_FALSE(PasswordMatchesCheckBlock("", block));

    EXPECT_TRUE(
        PasswordMatchesCheckBlock(std::string(80, 'z'), MakeCheckBlock(std::string(80, 'z'))));
    EXPECT_TRUE(MasterPasswordProblem(std::string(80, 'z')).empty());
    EXPECT_FALSE(MasterPasswordProblem(std::string(81, 'z')).empty());
}

}  // namespace
}  // namespace vk
