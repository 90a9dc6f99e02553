// The decisions behind the enter-password and select-password dialogs.
#include <gtest/gtest.h>

#include "core/shell/file_names.h"
#include "core/store/password_check.h"
#include "core/store/password_choice.h"
#include "core/store/password_entry.h"
#include "core/store/password_store.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

PasswordRequest RequestFor(const std::string& password, const std::string& fileName = "Bank.VK") {
    PasswordRequest request;
    request.fileName = fileName;
    request.filePath = "/data/" + fileName;
    request.reminder = "first pet";
    request.checkBlock = MakeCheckBlock(password);
    return request;
}

TEST(PasswordEntry, OpensWithItsTextsAndBrowseOnlyOutsideLockMode) {
    CPasswordEntry entry(RequestFor("s3cret", "My Bank.VK"));
    EXPECT_EQ(entry.Title(), "Enter password - My Bank.VK");
    EXPECT_EQ(entry.PromptText(),
              "The file 'my bank.vk' is password protected.\nPlease enter the password below.");
    EXPECT_TRUE(entry.BrowseEnabled());

    PasswordRequest locked = RequestFor("s3cret");
    locked.lockMode = true;
    EXPECT_FALSE(CPasswordEntry(locked).BrowseEnabled());
}

// Only the exact password opens, even beyond the 56 bytes the cipher keys with; two failures
// give the status line, the third the last-attempt message, and a right third attempt counts.
TEST(PasswordEntry, ThreeAttemptsAtTheExactPassword) {
    const std::string stored = std::string(56, 'k') + "K";
    for (const bool lastIsRight : {false, true}) {
        test::ScriptedPrompt prompt;
        CPasswordEntry entry(RequestFor(stored));
        EXPECT_EQ(entry.Submit(std::string(56, 'k') + "k", prompt), std::nullopt);
        EXPECT_EQ(entry.StatusText(), "Incorrect password");
        entry.PasswordEdited();
        EXPECT_EQ(entry.StatusText(), "");
        EXPECT_EQ(entry.Submit(stored.substr(0, 56), prompt), std::nullopt);
        EXPECT_EQ(entry.AttemptsLeft(), 1);
        EXPECT_TRUE(prompt.messages.empty());
        if (lastIsRight) {
            EXPECT_EQ(entry.Submit(stored, prompt), PasswordOutcome::kAccepted);
            EXPECT_EQ(entry.Password(), stored);
            EXPECT_EQ(entry.StatusText(), "");
            EXPECT_TRUE(prompt.messages.empty());
        } else {
            EXPECT_EQ(entry.Submit("", prompt), PasswordOutcome::kCancelled);
            EXPECT_EQ(prompt.messages, std::vector<std::string>{
                                           "Incorrect password and this was your last attempt."});
            EXPECT_TRUE(entry.Password().empty());
        }
    }
}

TEST(PasswordEntry, UnlockAsksOnlyWhenLockedWithAPasswordAndKeepsTheLockOnFailure) {
    CPasswordStore store;
    store.filePath = "/home/me/Family.vk";
    store.reminder = "hint";
    test::ScriptedPrompt prompt;

    bool locked = false;
    store.masterPassword.Assign("pw");
    EXPECT_TRUE(UnlockDatabase(locked, store, prompt));
    locked = true;
    store.masterPassword.Clear();
    EXPECT_TRUE(UnlockDatabase(locked, store, prompt));
    EXPECT_FALSE(locked);
    EXPECT_TRUE(prompt.passwordRequests.empty());

    store.masterPassword.Assign("pw");
    locked = true;
    prompt.passwordAnswers.push_back({});  // cancelled
    EXPECT_FALSE(UnlockDatabase(locked, store, prompt));
    EXPECT_TRUE(locked);
    ASSERT_EQ(prompt.passwordRequests.size(), 1u);
    const PasswordRequest& asked = prompt.passwordRequests[0];
    EXPECT_EQ(asked.fileName, "Family.vk");
    EXPECT_EQ(asked.reminder, "hint");
    EXPECT_TRUE(asked.lockMode);
    // The block is the one a saved file would carry.
    EXPECT_EQ(asked.checkBlock, MakeCheckBlock("pw"));

    prompt.AnswerPassword("pw");
    EXPECT_TRUE(UnlockDatabase(locked, store, prompt));
    EXPECT_FALSE(locked);
}

SelectPasswordRequest NewFileRequest() {
    SelectPasswordRequest request;
    request.title = "New file";
    request.protectionOn = true;
    return request;
}

PasswordChoiceFields Typed(const std::string& name, const std::string& password,
                           const std::string& confirmation) {
    PasswordChoiceFields fields;
    fields.fileName = name;
    fields.password.Assign(password);
    fields.confirmation.Assign(confirmation);
    fields.protectionOn = true;
    fields.createDefaultFolders = true;
    return fields;
}

TEST(PasswordChoice, OpensWithTheRequestAndTheFirstStartName) {
    CPasswordChoice first(NewFileRequest(), true, "/prog/");
    EXPECT_EQ(first.Title(), "New file");
    EXPECT_EQ(first.Initial().fileName, "Vaultkeep.vk");
    EXPECT_TRUE(first.Initial().createDefaultFolders);

    SelectPasswordRequest change;
    change.filePath = "/data/a.vk";
    change.password.Assign("pw");
    change.reminder = "hint";
    change.changeMode = true;
    change.protectionOn = true;
    CPasswordChoice changing(change, true, "/prog/");
    EXPECT_EQ(changing.Title(), "Select password");
    EXPECT_EQ(changing.Initial().fileName, "/data/a.vk");
    EXPECT_EQ(changing.Initial().password, "pw");
    EXPECT_EQ(changing.Initial().confirmation, "pw");
    EXPECT_EQ(changing.Initial().reminder, "hint");
    EXPECT_FALSE(changing.Initial().createDefaultFolders);
    EXPECT_FALSE(changing.Enabling(changing.Initial()).fileControls);

    // Without a password the reminder is not shown.
    change.password.Clear();
    EXPECT_EQ(CPasswordChoice(change, false, "/prog/").Initial().reminder, "");
}

TEST(PasswordChoice, OkNeedsMatchingPasswordsOrWithoutProtectionAName) {
    CPasswordChoice choice(NewFileRequest(), false, "/prog/");
    PasswordChoiceFields now = Typed("", "abc", "abc");
    EXPECT_TRUE(choice.Enabling(now).ok);
    EXPECT_TRUE(choice.Enabling(now).passwordEdits);
    now.confirmation.Assign("abC");
    EXPECT_FALSE(choice.Enabling(now).ok);
    now = Typed("x", "", "");
    EXPECT_FALSE(choice.Enabling(now).ok);

    // Unchecking protection: the password edits rest and only the name counts.
    now.protectionOn = false;
    now.password.Assign("abc");
    EXPECT_FALSE(choice.Enabling(now).passwordEdits);
    EXPECT_TRUE(choice.Enabling(now).ok);
    now.fileName.clear();
    EXPECT_FALSE(choice.Enabling(now).ok);
}

TEST(PasswordChoice, OkRefusesWhatCannotBeSaved) {
    CPasswordChoice choice(NewFileRequest(), false, "/prog/");
    test::MemFileSystem fs;
    const std::string tooLong(81, 'p');
    const struct {
        PasswordChoiceFields typed;
        std::string message;
    } cases[] = {{Typed("a", "abc", "abd"), "The passwords do not match."},
                 {Typed("", "abc", "abc"), "You must enter a filename."},
                 {Typed("c:dat", "abc", "abc"), BadFileNameCharactersText()},
                 {Typed("a", tooLong, tooLong), MasterPasswordProblem(tooLong)}};
    for (const auto& c : cases) {
        test::ScriptedPrompt prompt;
        EXPECT_FALSE(choice.Confirm(c.typed, false, prompt, fs)) << c.message;
        EXPECT_EQ(prompt.messages, std::vector<std::string>{c.message});
    }
}

TEST(PasswordChoice, OkPlacesTheNameAndAsksBeforeReplacingAFile) {
    CPasswordChoice choice(NewFileRequest(), false, "/prog/");
    test::ScriptedPrompt prompt;
    test::MemFileSystem fs;

    auto result = choice.Confirm(Typed("Home", "abc", "abc"), false, prompt, fs);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->filePath, "/prog/Home.vk");
    EXPECT_EQ(result->password, "abc");
    EXPECT_TRUE(result->protectionOn);
    EXPECT_TRUE(result->createDefaultFolders);
    EXPECT_EQ(choice.Confirm(Typed("/d/OLD.VK", "abc", "abc"), false, prompt, fs)->filePath,
              "/d/OLD.VK");
    EXPECT_TRUE(prompt.messages.empty());

    fs.files["/prog/Home.vk"] = "x";
    prompt.answers = {MessageResult::kNo, MessageResult::kYes};
    EXPECT_FALSE(choice.Confirm(Typed("Home", "abc", "abc"), false, prompt, fs));
    EXPECT_TRUE(choice.Confirm(Typed("Home", "abc", "abc"), false, prompt, fs));
    ASSERT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages[0],
              "The /prog/Home.vk file already exists.\nDo you wish to overwrite it?");
    // A file opened on purpose is not one to overwrite.
    EXPECT_TRUE(choice.Confirm(Typed("Home", "abc", "abc"), true, prompt, fs)->openedExisting);
    EXPECT_EQ(prompt.messages.size(), 2u);
}

TEST(PasswordChoice, UncheckedProtectionDropsThePasswordAndChangeModeKeepsTheName) {
    SelectPasswordRequest change;
    change.filePath = "/data/notes.dat";
    change.password.Assign("old");
    change.changeMode = true;
    CPasswordChoice choice(change, false, "/prog/");
    test::ScriptedPrompt prompt;
    test::MemFileSystem fs;
    fs.files["/data/notes.dat"] = "x";

    PasswordChoiceFields now = choice.Initial();
    now.protectionOn = false;
    now.confirmation.Assign("different");  // not compared without protection
    auto result = choice.Confirm(now, false, prompt, fs);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->password.empty());
    EXPECT_FALSE(result->protectionOn);
    EXPECT_EQ(result->filePath, "/data/notes.dat");
    EXPECT_TRUE(prompt.messages.empty());  // its own file is not "already there"

    // Protection left on with nothing typed (possible through "&Open...") protects nothing.
    CPasswordChoice fresh(NewFileRequest(), false, "/prog/");
    auto opened = fresh.Confirm(Typed("/d/x.vk", "", ""), true, prompt, fs);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->protectionOn);
}

}  // namespace
}  // namespace vk
