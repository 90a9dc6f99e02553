// The enter-password and select-password dialogs, driven through their controls and buttons.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>
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
#include "tests/gui/modal_answer.h"
#include "tests/support/process.h"

namespace vk {
namespace {

void Click(wxWindow* dialog, int id) {
    wxWindow* button = dialog->FindWindow(id);
    ASSERT_NE(button, nullptr);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

void Toggle(wxCheckBox* box, bool on) {
    box->SetValue(on);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(on ? 1 : 0);
    box->GetEventHandler()->ProcessEvent(event);
}

std::string Label(wxWindow* dialog, int id) {
    return FromWx(dialog->FindWindow(id)->GetLabel());
}

std::string Utf8(wxTextCtrl* edit) {
    return FromWx(edit->GetValue());
}

// Answers the message boxes and file pickers the dialogs show: message boxes are recorded
// and get `reply`; pickers get `pickedPath` (none: cancelled).
struct Answerer {
    std::vector<std::string> messages;
    std::vector<long> styles;
    std::vector<std::string> pickerTitles;
    int reply = wxID_OK;
    std::string pickedPath;
    test::ModalAnswer hook{[this](wxDialog* dialog) {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back(FromWx(box->GetMessage()));
            styles.push_back(box->GetMessageDialogStyle());
            return reply;
        }
        if (auto* picker = dynamic_cast<wxFileDialog*>(dialog)) {
            pickerTitles.push_back(FromWx(picker->GetMessage()));
            return static_cast<int>(wxID_CANCEL);
        }
        ADD_FAILURE() << "unexpected dialog " << FromWx(dialog->GetTitle());
        return static_cast<int>(wxID_CANCEL);
    }};
    // The toolkit's picker cannot hand back a path unseen: this one does.
    std::vector<PasswordFilePicker> pickerKinds;
    std::vector<std::string> pickerStarts;
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

TEST(EnterPasswordDlg, ShowsTheFileAndCountsThreeAttempts) {
    Answerer answers;
    auto* dialog = new CEnterPasswordDlg(nullptr, FileRequest("Secret"));
    EXPECT_EQ(dialog->GetTitle(), "Enter password - Home.VK");
    EXPECT_EQ(Label(dialog, dlgid::kPromptText),
              "The file 'home.vk' is password protected.\nPlease enter the password below.");
    EXPECT_EQ(Label(dialog, dlgid::kReminderText), "the usual");
    EXPECT_EQ(Label(dialog, dlgid::kStatusText), "");
    EXPECT_TRUE(dialog->FindWindow(dlgid::kBrowseButton)->IsEnabled());
    EXPECT_EQ(dialog->StatusLabel()->GetForegroundColour(), wxColour(255, 0, 0));
    dialog->Show();

    dialog->PasswordEdit()->SetValue("secret");  // letter case counts
    Click(dialog, wxID_OK);
    EXPECT_EQ(Label(dialog, dlgid::kStatusText), "Incorrect password");
    long from = -1, to = -1;
    dialog->PasswordEdit()->GetSelection(&from, &to);
    EXPECT_EQ(from, 0);
    EXPECT_EQ(to, 6);
    EXPECT_TRUE(dialog->IsShown());
    dialog->PasswordEdit()->AppendText("!");
    EXPECT_EQ(Label(dialog, dlgid::kStatusText), "");
    Click(dialog, wxID_OK);
    EXPECT_EQ(Label(dialog, dlgid::kStatusText), "Incorrect password");
    EXPECT_TRUE(answers.messages.empty());

    dialog->PasswordEdit()->SetValue("SECRET");
    Click(dialog, wxID_OK);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0], "Incorrect password and this was your last attempt.");
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_TRUE(dialog->PasswordEdit()->IsEmpty());
    dialog->Destroy();
}

TEST(EnterPasswordDlg, EditHoldsAtMostEightyBytes) {
    auto* dialog = new CEnterPasswordDlg(nullptr, FileRequest("x"));
    std::string e41;
    for (int i = 0; i < 41; ++i) e41 += "\xC3\xA9";  // 41 characters, 82 bytes
    dialog->PasswordEdit()->SetValue(ToWx(e41));
    EXPECT_EQ(Utf8(dialog->PasswordEdit()), e41.substr(0, 80));
    // Never half a character.
    dialog->PasswordEdit()->SetValue(ToWx(std::string(79, 'a') + "\xC3\xA9"));
    EXPECT_EQ(Utf8(dialog->PasswordEdit()), std::string(79, 'a'));
    dialog->Destroy();
}

TEST(EnterPasswordDlg, BrowseEndsWithTheNewPathOnlyWhenAFileIsPicked) {
    Answerer answers;
    auto* dialog = new CEnterPasswordDlg(nullptr, FileRequest("right"));
    dialog->Show();
    dialog->PasswordEdit()->SetValue("wrong");
    Click(dialog, wxID_OK);
    Click(dialog, dlgid::kBrowseButton);  // cancelled picker
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->AttemptsLeft(), 2);
    ASSERT_EQ(answers.pickerTitles.size(), 1u);
    EXPECT_EQ(answers.pickerTitles[0], "Open password file");

    dialog->SetFilePicker(answers.Picker());
    answers.pickedPath = "/tmp/other.vk";
    Click(dialog, dlgid::kBrowseButton);
    EXPECT_EQ(answers.pickerStarts, std::vector<std::string>{"/nowhere/Home.VK"});
    EXPECT_EQ(dialog->GetReturnCode(), -1);
    EXPECT_EQ(dialog->NewPath(), "/tmp/other.vk");
    dialog->Destroy();

    PasswordRequest lock = FileRequest("right");
    lock.lockMode = true;
    auto* unlock = new CEnterPasswordDlg(nullptr, lock);
    EXPECT_FALSE(unlock->FindWindow(dlgid::kBrowseButton)->IsEnabled());
    unlock->Destroy();
}

// Drives the enter-password dialog that the code under test shows modally.
test::ModalAnswer TypeIntoPasswordDialog(std::string typed, int button = wxID_OK) {
    return test::ModalAnswer([typed, button](wxDialog* shown) {
        auto* dialog = dynamic_cast<CEnterPasswordDlg*>(shown);
        if (!dialog) return static_cast<int>(wxID_CANCEL);
        dialog->PasswordEdit()->SetValue(ToWx(typed));
        Click(dialog, button);
        return dialog->GetReturnCode();
    });
}

TEST(GuiUserPrompt, AnswersWithTheDialogAndUnlocksOnlyWithTheHeldPassword) {
    CGuiUserPrompt prompt;
    {
        auto typing = TypeIntoPasswordDialog("right");
        const PasswordAnswer answer = prompt.AskPassword(FileRequest("right"));
        EXPECT_EQ(answer.outcome, PasswordOutcome::kAccepted);
        EXPECT_EQ(answer.password, "right");
    }
    {
        auto cancelling = TypeIntoPasswordDialog("right", wxID_CANCEL);
        EXPECT_EQ(prompt.AskPassword(FileRequest("right")).outcome, PasswordOutcome::kCancelled);
    }

    CPasswordStore store;
    store.filePath = "/data/Family.vk";
    store.masterPassword.Assign("held");
    bool locked = true;
    {
        auto wrong = TypeIntoPasswordDialog("Held");
        EXPECT_FALSE(UnlockDatabase(locked, store));
        EXPECT_TRUE(locked);
    }
    {
        wxString title;
        bool browseEnabled = true;
        test::ModalAnswer right([&](wxDialog* shown) {
            auto* dialog = dynamic_cast<CEnterPasswordDlg*>(shown);
            if (!dialog) return static_cast<int>(wxID_CANCEL);
            title = dialog->GetTitle();
            browseEnabled = dialog->FindWindow(dlgid::kBrowseButton)->IsEnabled();
            dialog->PasswordEdit()->SetValue("held");
            Click(dialog, wxID_OK);
            return dialog->GetReturnCode();
        });
        EXPECT_TRUE(UnlockDatabase(locked, store));
        EXPECT_FALSE(locked);
        EXPECT_EQ(title, "Enter password - Family.vk");
        EXPECT_FALSE(browseEnabled);
    }
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

TEST_F(SelectPasswordDlgTest, EnablingFollowsProtectionPasswordsAndName) {
    auto* dialog = Make(NewFileRequest(), true);
    EXPECT_EQ(dialog->GetTitle(), "New file");
    EXPECT_EQ(Utf8(dialog->FileNameEdit()), "Vaultkeep.vk");
    EXPECT_TRUE(dialog->DefaultFoldersBox()->IsChecked());
    EXPECT_TRUE(dialog->FileNameEdit()->IsEnabled());
    EXPECT_TRUE(dialog->OpenExistingButton()->IsEnabled());
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());  // no password yet

    dialog->PasswordEdit()->SetValue("abc");
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());
    dialog->ConfirmationEdit()->SetValue("abc");
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());
    dialog->ConfirmationEdit()->SetValue("abC");
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());

    Toggle(dialog->ProtectionBox(), false);
    EXPECT_FALSE(dialog->PasswordEdit()->IsEnabled());
    EXPECT_FALSE(dialog->ConfirmationEdit()->IsEnabled());
    EXPECT_FALSE(dialog->ReminderEdit()->IsEnabled());
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());
    dialog->FileNameEdit()->SetValue("");
    EXPECT_FALSE(dialog->OkButton()->IsEnabled());

    dialog->ReminderEdit()->SetValue(ToWx(std::string(40, 'r')));
    EXPECT_EQ(Utf8(dialog->ReminderEdit()), std::string(31, 'r'));
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, OkPlacesTheNameRefusesBadOnesAndAsksBeforeOverwriting) {
    auto* dialog = Make(NewFileRequest());
    dialog->PasswordEdit()->SetValue("pw");
    dialog->ConfirmationEdit()->SetValue("pw");
    dialog->ReminderEdit()->SetValue("hint");

    dialog->FileNameEdit()->SetValue("a:b");
    Click(dialog, wxID_OK);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].find("\nPlease do not use any of the following characters"), 0u);
    EXPECT_TRUE(answers.styles[0] & wxICON_EXCLAMATION);
    EXPECT_TRUE(dialog->IsShown());

    test::WriteFileBytes(folder.File("Old.vk"), "x");
    dialog->FileNameEdit()->SetValue("Old");
    answers.reply = wxID_NO;
    Click(dialog, wxID_OK);
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(answers.messages[1], "The " + folder.path() + "/Old.vk file already exists.\n" +
                                       "Do you wish to overwrite it?");
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
    EXPECT_TRUE(result.protectionOn);
    EXPECT_TRUE(result.createDefaultFolders);
    EXPECT_FALSE(result.openedExisting);
    // The secrets do not stay in the edits.
    EXPECT_TRUE(dialog->PasswordEdit()->IsEmpty());
    EXPECT_TRUE(dialog->ConfirmationEdit()->IsEmpty());
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, OpenPicksAnExistingFileAndConfirmsAtOnce) {
    test::WriteFileBytes(folder.File("Kept.VK"), "x");
    auto* dialog = Make(NewFileRequest());
    Click(dialog, dlgid::kBrowseButton);  // "...", cancelled
    Click(dialog, dlgid::kOpenExistingButton);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(answers.pickerTitles,
              (std::vector<std::string>{"New password file", "Open password file"}));

    dialog->SetFilePicker(answers.Picker());
    answers.pickedPath = folder.File("New.vk");
    Click(dialog, dlgid::kBrowseButton);
    EXPECT_EQ(Utf8(dialog->FileNameEdit()), folder.File("New.vk"));
    EXPECT_TRUE(dialog->IsShown());  // "..." only fills the name in

    answers.pickedPath = folder.File("Kept.VK");
    Click(dialog, dlgid::kOpenExistingButton);
    EXPECT_EQ(answers.pickerKinds, (std::vector<PasswordFilePicker>{PasswordFilePicker::kNew,
                                                                    PasswordFilePicker::kOpen}));
    EXPECT_TRUE(answers.messages.empty());  // not asked about overwriting
    ASSERT_TRUE(dialog->Result());
    EXPECT_EQ(dialog->Result()->filePath, folder.File("Kept.VK"));
    EXPECT_TRUE(dialog->Result()->openedExisting);
    EXPECT_FALSE(dialog->Result()->protectionOn);  // no password was typed
    dialog->Destroy();
}

TEST_F(SelectPasswordDlgTest, ChangeModeLocksTheFileAndCancelChangesNothing) {
    SelectPasswordRequest request;
    request.title = "Change password";
    request.filePath = folder.File("Mine.vk");
    request.password.Assign("old");
    request.reminder = "hint";
    request.changeMode = true;
    request.protectionOn = true;
    test::WriteFileBytes(request.filePath, "x");

    auto* dialog = Make(request);
    EXPECT_EQ(dialog->GetTitle(), "Change password");
    EXPECT_FALSE(dialog->FileNameEdit()->IsEnabled());
    EXPECT_FALSE(dialog->PickNewButton()->IsEnabled());
    EXPECT_FALSE(dialog->OpenExistingButton()->IsEnabled());
    EXPECT_FALSE(dialog->DefaultFoldersBox()->IsChecked());
    EXPECT_EQ(Utf8(dialog->PasswordEdit()), "old");
    EXPECT_EQ(Utf8(dialog->ConfirmationEdit()), "old");
    EXPECT_EQ(Utf8(dialog->ReminderEdit()), "hint");
    EXPECT_TRUE(dialog->OkButton()->IsEnabled());
    dialog->Destroy();

    int shown = 0;
    test::ModalAnswer cancelling([&](wxDialog* modal) {
        auto* select = dynamic_cast<CSelectPasswordDlg*>(modal);
        if (!select) return static_cast<int>(wxID_ABORT);
        ++shown;
        Toggle(select->ProtectionBox(), false);
        Click(select, wxID_CANCEL);
        return select->GetReturnCode();
    });
    EXPECT_FALSE(RunSelectPasswordDlg(nullptr, request, false, folder.path()));
    EXPECT_EQ(shown, 1);
}

TEST_F(SelectPasswordDlgTest, CapsLockGivesTheWarning) {
    auto* dialog = Make(NewFileRequest());
    dialog->WarnIfCapsLock(false);
    EXPECT_TRUE(answers.messages.empty());
    dialog->WarnIfCapsLock(true);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0],
              "Warning, passwords are case sensitive and your CAPS  LOCK key is enabled.");
    EXPECT_TRUE(answers.styles[0] & wxICON_EXCLAMATION);
    dialog->Destroy();
}

}  // namespace
}  // namespace vk
