// The shell's window helpers: the program's message box and the prompt the core talks to,
// file pickers, the wait cursor and the launcher's failure message.
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

#include "core/shell/file_names.h"
#include "gui/ui/file_pickers.h"
#include "gui/ui/message_box.h"
#include "gui/ui/message_box_prompt.h"
#include "gui/ui/wait_cursor.h"
#include "platform/wx/launcher.h"
#include "tests/gui/modal_answer.h"
#include "tests/support/process.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

// A top window exists, yet message boxes must not be owned by it.
class ShellMessageBox : public ::testing::Test {
  protected:
    ShellMessageBox() {
        frame->Show();
        wxTheApp->SetTopWindow(frame);
    }
    ~ShellMessageBox() override {
        wxTheApp->SetTopWindow(nullptr);
        frame->Destroy();
    }
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "main");
};

// Stored texts in UTF-8 or Windows-1252 both show as the characters they are.
TEST_F(ShellMessageBox, CarriesTheTextTheCaptionNoOwnerAndTheProgramIcon) {
    auto box = MakeMessageBox("Caf\xE9 \x80 closed", wxOK);
    EXPECT_EQ(box->GetTitle(), "Vaultkeep");
    EXPECT_EQ(box->GetMessage(), wxString::FromUTF8("Caf\xC3\xA9 \xE2\x82\xAC closed"));
    EXPECT_EQ(MakeMessageBox("Caf\xC3\xA9", wxOK)->GetMessage(), wxString::FromUTF8("Caf\xC3\xA9"));
    EXPECT_EQ(box->GetParent(), nullptr);
    EXPECT_TRUE(box->GetMessageDialogStyle() & wxICON_NONE);  // no stock icon instead of ours
    EXPECT_TRUE(box->GetMessageDialogStyle() & wxSTAY_ON_TOP);
    EXPECT_TRUE(box->GetIcon().IsOk());

    auto warning = MakeMessageBox("careful", wxOK | wxICON_EXCLAMATION);
    EXPECT_TRUE(warning->GetMessageDialogStyle() & wxICON_EXCLAMATION);
    EXPECT_FALSE(warning->GetMessageDialogStyle() & wxICON_NONE);
}

TEST_F(ShellMessageBox, PromptShowsTheBoxAndReportsTheButton) {
    test::MessageBoxAnswer answer;
    answer.reply = wxID_NO;
    CMessageBoxPrompt prompt;
    EXPECT_EQ(prompt.ShowMessage("Overwrite?", MessageButtons::kYesNo, MessageIcon::kQuestion),
              MessageResult::kNo);
    EXPECT_EQ(answer.messages, std::vector<std::string>{"Overwrite?"});
    EXPECT_EQ(answer.owners, std::vector<wxWindow*>{nullptr});
    EXPECT_TRUE(answer.styles[0] & wxYES_NO);
    EXPECT_TRUE(answer.styles[0] & wxICON_QUESTION);

    prompt.ShowError("Unable to add startup shortcut entry.");
    ASSERT_EQ(answer.styles.size(), 2u);
    EXPECT_TRUE(answer.styles[1] & wxOK);
    EXPECT_EQ(prompt.AskPassword({}).outcome, PasswordOutcome::kCancelled);

    EXPECT_TRUE(MessageBoxStyle(MessageButtons::kYesNoCancel, MessageIcon::kStop) & wxCANCEL);
    EXPECT_TRUE(MessageBoxStyle(MessageButtons::kOk, MessageIcon::kStop) & wxICON_ERROR);
    EXPECT_EQ(MessageResultOf(wxID_CANCEL), MessageResult::kCancel);
}

TEST(ShellPickers, EachPickerHasItsTitleFilterAndStartingPlace) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("old.vk"), "x");

    auto open = MakePasswordFilePicker(PasswordFilePicker::kOpen, nullptr, "", dir.path());
    EXPECT_EQ(open->GetMessage(), "Open password file");
    EXPECT_EQ(open->GetWildcard(), PasswordFileFilter("*"));
    EXPECT_TRUE(open->HasFlag(wxFD_OPEN) && open->HasFlag(wxFD_FILE_MUST_EXIST));
    EXPECT_FALSE(open->HasFlag(wxFD_CHANGE_DIR));
    auto fresh = MakePasswordFilePicker(PasswordFilePicker::kNew, nullptr, "", dir.path());
    EXPECT_EQ(fresh->GetMessage(), "New password file");
    EXPECT_TRUE(fresh->HasFlag(wxFD_SAVE));
    EXPECT_FALSE(fresh->HasFlag(wxFD_OVERWRITE_PROMPT));

    auto saveAs = MakePasswordFilePicker(PasswordFilePicker::kSaveAs, nullptr, dir.File("old.vk"),
                                         "/nonexistent");
    EXPECT_EQ(saveAs->GetMessage(), "Save as");
    EXPECT_TRUE(saveAs->HasFlag(wxFD_OVERWRITE_PROMPT));
    // The current file's folder wins over the program folder...
    EXPECT_EQ(saveAs->GetDirectory(), dir.path());
    // ...but a folder that has gone away does not.
    auto gone =
        MakePasswordFilePicker(PasswordFilePicker::kSaveAs, nullptr, "/gone/a.vk", dir.path());
    EXPECT_EQ(gone->GetDirectory(), dir.path());
}

TEST(ShellPickers, PathChangesOnlyWhenAFileIsChosen) {
    test::TempDir dir;
    wxString title;
    int reply = wxID_CANCEL;
    test::ModalAnswer answer([&](wxDialog* dialog) {
        auto* picker = dynamic_cast<wxFileDialog*>(dialog);
        if (!picker) return static_cast<int>(wxID_ABORT);
        title = picker->GetMessage();
        return reply;
    });

    std::string path = "/somewhere/else.vk";
    EXPECT_EQ(PickPasswordFile(PasswordFilePicker::kOpen, path, nullptr, dir.path()), wxID_CANCEL);
    EXPECT_EQ(path, "/somewhere/else.vk");
    EXPECT_EQ(title, "Open password file");

    // OK with no file chosen counts as Cancel.
    reply = wxID_OK;
    EXPECT_EQ(PickPasswordFile(PasswordFilePicker::kSaveAs, path, nullptr, dir.path()),
              wxID_CANCEL);
    EXPECT_EQ(path, "/somewhere/else.vk");
    EXPECT_EQ(title, "Save as");
}

TEST(ShellWaitCursor, HoldsTheMouseAndGivesItBack) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "busy");
    frame->Show();
    {
        CWaitCursor wait(frame);
        EXPECT_TRUE(wxIsBusy());
        EXPECT_TRUE(wait.HasCapture());
        EXPECT_TRUE(frame->HasCapture());
        // A window that holds the mouse already keeps it when a second wait nests.
        CWaitCursor nested(frame);
        EXPECT_FALSE(nested.HasCapture());
    }
    EXPECT_FALSE(wxIsBusy());
    EXPECT_FALSE(frame->HasCapture());

    auto* hidden = new wxFrame(nullptr, wxID_ANY, "hidden");
    {
        CWaitCursor wait(hidden);  // cannot capture; the cursor still shows busy
        EXPECT_FALSE(wait.HasCapture());
        EXPECT_TRUE(wxIsBusy());
    }
    CWaitCursor none(nullptr);
    hidden->Destroy();
    frame->Destroy();
}

TEST(ShellLauncher, MissingDocumentGivesTheSystemsReason) {
    test::ScriptedPrompt prompt;
    EXPECT_FALSE(LaunchText("/nonexistent/statement.pdf", prompt));
    EXPECT_EQ(prompt.messages,
              (std::vector<std::string>{"Unable to launch /nonexistent/statement.pdf.\n\nThe "
                                        "system error code is:\n\nNo such file or directory"}));
}

}  // namespace
}  // namespace vk
