// The program's message box and the prompt the core talks to.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>

#include "gui/ui/message_box.h"
#include "gui/ui/message_box_prompt.h"
#include "tests/gui/modal_answer.h"

namespace vk {
namespace {

TEST(ShellMessageBox, CarriesTheCaptionNoOwnerAndTheProgramIcon) {
    // A top window exists, yet the box must not be owned by it.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
    frame->Show();
    wxTheApp->SetTopWindow(frame);

    auto box = MakeMessageBox("Caf\xE9 closed", wxOK);
    EXPECT_EQ(box->GetTitle(), "Vaultkeep");
    EXPECT_EQ(box->GetMessage(), wxString::FromUTF8("Caf\xC3\xA9 closed"));
    EXPECT_EQ(box->GetParent(), nullptr);
    EXPECT_TRUE(box->GetMessageDialogStyle() & wxICON_NONE);  // no stock icon instead of ours
    EXPECT_TRUE(box->GetMessageDialogStyle() & wxSTAY_ON_TOP);
    EXPECT_TRUE(box->GetIcon().IsOk());

    auto warning = MakeMessageBox("careful", wxOK | wxICON_EXCLAMATION);
    EXPECT_TRUE(warning->GetMessageDialogStyle() & wxICON_EXCLAMATION);
    EXPECT_FALSE(warning->GetMessageDialogStyle() & wxICON_NONE);

    wxTheApp->SetTopWindow(nullptr);
    frame->Destroy();
}

TEST(ShellMessageBox, PromptShowsTheBoxAndReportsTheButton) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "main");
    frame->Show();
    wxTheApp->SetTopWindow(frame);
    wxString shownText;
    long shownStyle = 0;
    wxWindow* owner = frame;
    test::ModalAnswer answer([&](wxDialog* dialog) {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box) return static_cast<int>(wxID_ABORT);
        owner = box->GetParent();
        shownText = box->GetMessage();
        shownStyle = box->GetMessageDialogStyle();
        return static_cast<int>(wxID_NO);
    });

    CMessageBoxPrompt prompt;
    EXPECT_EQ(prompt.ShowMessage("Overwrite?", MessageButtons::kYesNo, MessageIcon::kQuestion),
              MessageResult::kNo);
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(shownText, "Overwrite?");
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(shownStyle & wxYES_NO);
    EXPECT_TRUE(shownStyle & wxICON_QUESTION);

    prompt.ShowError("Unable to add startup shortcut entry.");
    EXPECT_EQ(answer.count, 2);
    EXPECT_TRUE(shownStyle & wxOK);
    EXPECT_EQ(prompt.AskPassword({}).outcome, PasswordOutcome::kCancelled);

    EXPECT_TRUE(MessageBoxStyle(MessageButtons::kYesNoCancel, MessageIcon::kStop) & wxCANCEL);
    EXPECT_TRUE(MessageBoxStyle(MessageButtons::kOk, MessageIcon::kStop) & wxICON_ERROR);
    EXPECT_EQ(MessageResultOf(wxID_YES), MessageResult::kYes);
    EXPECT_EQ(MessageResultOf(wxID_CANCEL), MessageResult::kCancel);
    wxTheApp->SetTopWindow(nullptr);
    frame->Destroy();
}

}  // namespace
}  // namespace vk
