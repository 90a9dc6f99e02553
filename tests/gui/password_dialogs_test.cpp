// The enter-password and select-password dialogs, driven through their controls and buttons.
// Which texts they show and when they refuse is the core's decision, tested there; here, that
// the controls carry it out.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "core/store/password_check.h"
#include "core/store/password_store.h"
#include "gui/store/enter_password_dlg.h"
#include "gui/store/gui_user_prompt.h"
#include "gui/store/password_dialog_ids.h"
#include "gui/store/select_password_dlg.h"
#include "gui/ui/wx_text.h"
#include "platform/posix_file_system.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/modal_answer.h"
#include "tests/support/process.h"

namespace vk {
namespace {

using test::Click;

std::string Text(wxWindow* control) {
    auto* edit = dynamic_cast<wxTextCtrl*>(control);
    return FromWx(edit ? edit->GetValue() : control->GetLabel());
}

// Message boxes are recorded and get `reply`; the toolkit's pickers are cancelled (they
// cannot hand back a path unseen), the one Picker() gives hands back `pickedPath`.
struct Answerer : test::MessageBoxAnswer {
    std::vector<std::string> pickerTitles;
    std::vector<PasswordFilePicker> pickerKinds;
    std::vector<std::string> pickerStarts;
    std::string pickedPath;
    Answerer() {
        other = [this](wxDialog* dialog) {
            auto* picker = dynamic_cast<wxFileDialog*>(dialog);
            EXPECT_NE(picker, nullptr) << "unexpected dialog " << FromWx(dialog->GetTitle());
            if (picker) pickerTitles.push_back(FromWx(picker->GetMessage()));
            return static_cast<int>(wxID_CANCEL);
        };
    }
    PasswordFilePickerFn Picker() {
        return [this](PasswordFilePicker kind, std::string& path, wxWindow*, const std::string&) {
            pickerKinds.push_back(kind);
            pickerStarts.push_back(path);
            if (pickedPath.empty()) return static_cast<int>(wxID_CANCEL);
            path = pickedPath;
            return static_cast<int>(wxID_OK);
        };
    }
};

PasswordRequest FileRequest(const std::string& password) {
    PasswordRequest request;
    request.fileName = "Home.VK";
    request.filePath = "/nowhere/Home.VK";
    request.reminder = "the usual";
    request.checkBlock = MakeCheckBlock(password);
    return request;
}

TEST(EnterPasswordDlg, EditCutsAtEightyBytesWrongAttemptsSelectTheTextTheThirdEnds) {
    Answerer answers;
    auto* dialog = new CEnterPasswordDlg(nullptr, FileRequest("Secret"));
    EXPECT_EQ(Text(dialog->FindWindow(dlgid::kReminderText)), "the usual");
    EXPECT_EQ(dialog->StatusLabel()->GetForegroundColour(), wxColour(255, 0, 0));
    dialog->Show();
    // At most 80 bytes, never half a character.
    std::string e41;
    for (int i = 0; i < 41; ++i) e41 += "\xC3\xA9";
    dialog->PasswordEdit()->SetValue(ToWx(e41));
    EXPECT_EQ(Text(dialog->PasswordEdit()), e41.substr(0, 80));
    dialog->PasswordEdit()->SetValue(ToWx(std::string(79, 'a') + "\xC3\xA9"));
    EXPECT_EQ(Text(dialog->PasswordEdit()), std::string(79, 'a'));

    dialog->PasswordEdit()->SetValue("secret");
    Click(dialog, wxID_OK);
    EXPECT_EQ(Text(dialog->StatusLabel()), "Incorrect password");
    long from = -1, to = -1;
    dialog->PasswordEdit()->GetSelection(&from, &to);
    EXPECT_EQ(std::make_pair(from, to), std::make_pair(0L, 6L));
    dialog->PasswordEdit()->AppendText("!");  // typing clears the status
    EXPECT_EQ(Text(dialog->StatusLabel()), "");
    Click(dialog, wxID_OK);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(answers.messages.empty());

    dialog->PasswordEdit()->SetValue("SECRET");
    Click(dialog, wxID_OK);
    EXPECT_EQ(answers.messages.size(), 1u);  // the last-attempt message
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_TRUE(dialog->PasswordEdit()->IsEmpty());
    dialog->Destroy();
}

TEST(EnterPasswordDlg, BrowseEndsWithTheNewPathOnlyWhenAFileIsPicked) {
    Answerer answers;
    auto* dialog = new CEnterPasswordDlg(nullptr, FileRequest("right"));
    dialog->Show();
    EXPECT_TRUE(dialog->FindWindow(dlgid::kBrowseButton)->IsEnabled());
    dialog->PasswordEdit()->SetValue("wrong");
    Click(dialog, wxID_OK);
    Click(dialog, dlgid::kBrowseButton);  // the toolkit's picker, cancelled
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->AttemptsLeft(), 2);
    EXPECT_EQ(answers.pickerTitles, std::vector<std::string>{"Open password file"});

    dialog->SetFilePicker(answers.Picker());
    answers.pickedPath = "/tmp/other.vk";
    Click(dialog, dlgid::kBrowseButton);
    EXPECT_EQ(answers.pickerStarts, std::vector<std::string>{"/nowhere/Home.VK"});
    EXPECT_EQ(dialog->GetReturnCode(), -1);
    EXPECT_EQ(dialog->NewPath(), "/tmp/other.vk");
    dialog->Destroy();
}

// Types `typed` into the enter-password dialog the code under test shows, and presses
// `button`; remembers the title and whether Browse could be used.
struct PasswordTyping {
    std::string typed;
    int button = wxID_OK;
    wxString title;
    bool browseEnabled = true;
    test::ModalAnswer hook{[this](wxDialog* shown) {
        auto* dialog = dynamic_cast<CEnterPasswordDlg*>(shown);
        if (!dialog) return static_cast<int>(wxID_CANCEL);
        title = dialog->GetTitle();
        browseEnabled = dialog->FindWindow(dlgid::kBrowseButton)->IsEnabled();
        dialog->PasswordEdit()->SetValue(ToWx(typed));
        Click(dialog, button);
        return dialog->GetReturnCode();
    }};
};

TEST(GuiUserPrompt, AnswersWithTheDialogAndUnlocksOnlyWithTheHeldPassword) {
    CGuiUserPrompt prompt;
    PasswordTyping typing;
    typing.typed = "right";
    const PasswordAnswer answer = prompt.AskPassword(FileRequest("right"));
    EXPECT_EQ(answer.outcome, PasswordOutcome::kAccepted);
    EXPECT_EQ(answer.password, "right");
    typing.button = wxID_CANCEL;
    EXPECT_EQ(prompt.AskPassword(FileRequest("right")).outcome, PasswordOutcome::kCancelled);

    CPasswordStore store;
    store.filePath = "/data/Family.vk";
    store.masterPassword.Assign("held");
    bool locked = true;
    typing.typed = "Held";
    EXPECT_FALSE(UnlockDatabase(locked, store));
    EXPECT_TRUE(locked);
    typing.typed = "held";
    typing.button = wxID_OK;
    EXPECT_TRUE(UnlockDatabase(locked, store));
    EXPECT_FALSE(locked);
    EXPECT_EQ(typing.title, "Enter password - Family.vk");
    EXPECT_FALSE(typing.browseEnabled);  // the lock is no place to change files
}

SelectPasswordRequest NewFileRequest() {
    SelectPasswordRequest request;
    request.title = "New file";
    request.protectionOn = true;
    return request;
}

struct SelectPasswordDlgTest : ::testing::Test {
    test::TempDir folder;
    CPosixFileSystem fs;
    Answerer answers;
    CSelectPasswordDlg* Make(const SelectPasswordRequest& request, bool firstStart = false) {
        auto* dialog =
            new CSelectPasswordDlg(nullptr, request, firstStart, folder.path() + "/", fs);
        dialog->Show();
        return dialog;
    }
};

TEST_F(SelectPasswordDlgTest, EnablingFollowsProtectionPasswordsAndNameAndCapsLockWarns) {
    auto* dialog = Make(NewFileRequest(), true);
    EXPECT_EQ(Text(dialog->FileNameEdit()), "Vaultkeep.vk");
    EXPECT_TRUE(dialog->DefaultFoldersBox()->IsChecked());
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());  // no password yet
    dialog->PasswordEdit()->SetValue("abc");
    dialog->ConfirmationEdit()->SetValue("abc");
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());

    test::Tick(dialog->ProtectionBox(), false);
    for (wxWindow* edit :
         {dialog->PasswordEdit(), dialog->ConfirmationEdit(), dialog->ReminderEdit()})
        EXPECT_FALSE(edit->IsEnabled());
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());
    dialog->FileNameEdit()->SetValue("");
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());

    dialog->ReminderEdit()->SetValue(ToWx(std::string(40, 'r')));
    EXPECT_EQ(Text(dialog->ReminderEdit()), std::string(31, 'r'));

    dialog->WarnIfCapsLock(false);
    EXPECT_TRUE(answers.messages.empty());
    dialog->WarnIfCapsLock(true);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"Warning, passwords are case sensitive "
                                                         "and your CAPS  LOCK key is enabled."});
    EXPECT_TRUE(answers.styles[0] & wxICON_EXCLAMATION);
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, OkRefusesBadNamesAsksBeforeOverwritingAndClearsTheSecrets) {
    auto* dialog = Make(NewFileRequest());
    dialog->PasswordEdit()->SetValue("pw");
    dialog->ConfirmationEdit()->SetValue("pw");
    dialog->ReminderEdit()->SetValue("hint");

    dialog->FileNameEdit()->SetValue("a:b");
    Click(dialog, wxID_OK);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(answers.styles[0] & wxICON_EXCLAMATION);
    EXPECT_TRUE(dialog->IsShown());

    test::WriteFileBytes(folder.File("Old.vk"), "x");
    dialog->FileNameEdit()->SetValue("Old");
    answers.reply = wxID_NO;
    Click(dialog, wxID_OK);
    ASSERT_EQ(answers.messages.size(), 2u);  // "... already exists ..."
    EXPECT_TRUE(answers.styles[1] & wxYES_NO);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_FALSE(dialog->Result());

    answers.reply = wxID_YES;
    Click(dialog, wxID_OK);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    ASSERT_TRUE(dialog->Result());
    const SelectPasswordResult& result = *dialog->Result();
    EXPECT_EQ(result.filePath, folder.path() + "/Old.vk");
    EXPECT_EQ(result.password, "pw");
    EXPECT_EQ(result.reminder, "hint");
    EXPECT_TRUE(result.protectionOn && result.createDefaultFolders);
    EXPECT_FALSE(result.openedExisting);
    EXPECT_TRUE(dialog->PasswordEdit()->IsEmpty());
    EXPECT_TRUE(dialog->ConfirmationEdit()->IsEmpty());
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, OpenPicksAnExistingFileAndConfirmsAtOnce) {
    test::WriteFileBytes(folder.File("Kept.VK"), "x");
    auto* dialog = Make(NewFileRequest());
    dialog->SetFilePicker(answers.Picker());
    Click(dialog, dlgid::kOpenExistingButton);  // cancelled
    EXPECT_TRUE(dialog->IsShown());

    answers.pickedPath = folder.File("New.vk");
    Click(dialog, dlgid::kBrowseButton);
    EXPECT_EQ(Text(dialog->FileNameEdit()), folder.File("New.vk"));
    EXPECT_TRUE(dialog->IsShown());  // "..." only fills the name in

    answers.pickedPath = folder.File("Kept.VK");
    Click(dialog, dlgid::kOpenExistingButton);
    EXPECT_EQ(answers.pickerKinds,
              (std::vector<PasswordFilePicker>{PasswordFilePicker::kOpen, PasswordFilePicker::kNew,
                                               PasswordFilePicker::kOpen}));
    EXPECT_TRUE(answers.messages.empty());  // not asked about overwriting
    ASSERT_TRUE(dialog->Result());
    EXPECT_EQ(dialog->Result()->filePath, folder.File("Kept.VK"));
    EXPECT_TRUE(dialog->Result()->openedExisting);
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, ChangeModeLocksTheFileAndCancelChangesNothing) {
    SelectPasswordRequest request;
    request.title = "Change password";
    request.filePath = folder.File("Mine.vk");
    request.password.Assign("old");
    request.reminder = "hint";
    request.changeMode = request.protectionOn = true;
    test::WriteFileBytes(request.filePath, "x");

    auto* dialog = Make(request);
    for (wxWindow* control : std::initializer_list<wxWindow*>{
             dialog->FileNameEdit(), dialog->PickNewButton(), dialog->OpenExistingButton()})
        EXPECT_FALSE(control->IsEnabled());
    EXPECT_EQ(Text(dialog->ConfirmationEdit()), "old");
    EXPECT_EQ(Text(dialog->ReminderEdit()), "hint");
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());
    dialog->Destroy();

    answers.other = [](wxDialog* modal) {
        auto* select = dynamic_cast<CSelectPasswordDlg*>(modal);
        if (!select) return static_cast<int>(wxID_ABORT);
        test::Tick(select->ProtectionBox(), false);
        Click(select, wxID_CANCEL);
        return select->GetReturnCode();
    };
    EXPECT_FALSE(RunSelectPasswordDlg(nullptr, request, false, folder.path()));
    EXPECT_EQ(answers.hook.count, 1);
}

}  // namespace
}  // namespace vk
