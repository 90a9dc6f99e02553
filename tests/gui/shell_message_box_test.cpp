// The program's message box and the prompt the core talks to.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

#include "gui/ui/message_box.h"
#include "gui/ui/message_box_prompt.h"
#include "tests/gui/modal_answer.h"

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

}  // namespace
}  // namespace vk
