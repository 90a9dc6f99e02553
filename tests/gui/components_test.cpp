// The program's components on the test display: the help window and its topics as dialogs
// open and close, the tip of the day's keys and stored values, links, the skin and the About
// box.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/msgdlg.h>

#include <cerrno>

#include "core/settings/profile_file.h"
#include "core/ui/help_topics.h"
#include "core/ui/tips.h"
#include "core/ui/version_info.h"
#include "gui/app/about_dlg.h"
#include "gui/app/tip_dlg.h"
#include "gui/ui/dialog_base.h"
#include "gui/ui/help_book.h"
#include "gui/ui/hyperlink_ctrl.h"
#include "gui/ui/skin.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/skin_group_box.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/modal_answer.h"
#include "tests/support/mem_file_system.h"
#include "tests/support/scripted_prompt.h"

namespace vk {
namespace {

class NumberedDialog : public CDialogBase {
  public:
    NumberedDialog(wxWindow* parent, int id) : CDialogBase(parent, id, "Numbered") {}
    using CDialogBase::SetHelpTopic;
};

using test::PressKey;

// A key as the control itself receives it.
void KeyDown(wxWindow* control, int key) {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = key;
    control->ProcessWindowEvent(event);
}

TEST(HelpBook, EveryTopicOpensItsPageInTheHelpWindow) {
    CHelpBook book;
    for (int topic : HelpTopics()) {
        SCOPED_TRACE(topic);
        ASSERT_TRUE(book.Show(topic));
        EXPECT_EQ(book.ShownPage(), HelpPageOfTopic(topic));
        ASSERT_NE(book.Window(), nullptr);
        EXPECT_TRUE(book.Window()->GetTitle().StartsWith("Vaultkeep Help: "));
    }
    EXPECT_EQ(book.Window()->GetTitle(), "Vaultkeep Help: What the master password protects");
    PressKey(book.Window(), WXK_ESCAPE);  // Esc closes the help as it closes a dialog
    wxTheApp->ProcessIdle();
    EXPECT_EQ(book.Window(), nullptr);
}

TEST(HelpBook, F1ShowsTheOpenDialogsTopicThenTheOneUnderIt) {
    HelpContext().Set(help::kNone);
    {
        NumberedDialog preferences(nullptr, 222);
        preferences.Show();
        EXPECT_EQ(HelpContext().TopicToShow(), help::kPreferences);
        preferences.SetHelpTopic(help::kSystemTray);  // another page became active
        PressKey(&preferences, WXK_F1);
        EXPECT_EQ(AppHelp().ShownPage(), "options_system_tray.html");
        {
            NumberedDialog tip(&preferences, CTipDialog::kDialogId);
            tip.Show();
            PressKey(&tip, WXK_F1);
            EXPECT_EQ(AppHelp().ShownPage(), "tip_of_the_day.html");
        }
        EXPECT_EQ(HelpContext().TopicToShow(), help::kSystemTray);
        preferences.Hide();
    }
    EXPECT_EQ(HelpContext().TopicToShow(), help::kMainWindow);
    ShowCurrentHelp();
    EXPECT_EQ(AppHelp().ShownPage(), "main_window.html");
    CloseHelp();
    wxTheApp->ProcessIdle();
}

class TipTest : public ::testing::Test {
  protected:
    TipTest() : profile(fs, prompt, "/prog/") {}
    void Store(const std::string& filePos, const std::string& showTips = "1") {
        fs.files[profile.Path()] =
            "[Vaultkeep.ini]\nShowTips=" + showTips + "\nFilePos=" + filePos + "\n";
    }

    test::MemFileSystem fs;
    test::ScriptedPrompt prompt;
    CProfileFile profile;
};

TEST_F(TipTest, StartsAtTheStoredTipAndOnlyCloseStoresTheCheckBox) {
    Store("8");
    {
        CTipDialog tip(nullptr, profile);
        EXPECT_EQ(tip.GetTitle(), "Tip of the Day");
        EXPECT_EQ(tip.TipText(), TipTexts()[8]);
        EXPECT_EQ(tip.GetDefaultItem(), tip.CloseButton());
        EXPECT_EQ(tip.CloseButton()->GetLabel(), "&Close");
        tip.NextTip();  // wraps to the first
        EXPECT_EQ(tip.TipText(), TipTexts()[0]);
        tip.ShowTipsBox()->SetValue(false);
        tip.Show();
        PressKey(&tip, WXK_ESCAPE);
        EXPECT_FALSE(tip.IsShown());
        EXPECT_EQ(tip.GetReturnCode(), wxID_CANCEL);
    }
    EXPECT_EQ(profile.ReadNumber(kShowTipsKey, 7), 1u);     // Esc stored nothing...
    EXPECT_EQ(profile.ReadNumber(kTipPositionKey, 7), 1u);  // ...but the next tip's place

    {
        CTipDialog tip(nullptr, profile);
        EXPECT_EQ(tip.TipText(), TipTexts()[1]);
        tip.ShowTipsBox()->SetValue(false);
        wxCloseEvent close(wxEVT_CLOSE_WINDOW, tip.GetId());
        tip.ProcessWindowEvent(close);  // the close box
    }
    EXPECT_EQ(profile.ReadNumber(kShowTipsKey, 7), 1u);

    {
        CTipDialog tip(nullptr, profile);
        tip.ShowTipsBox()->SetValue(false);
        wxCommandEvent click(wxEVT_BUTTON, CTipDialog::kCloseId);
        tip.CloseButton()->ProcessWindowEvent(click);
        EXPECT_EQ(tip.GetReturnCode(), wxID_OK);
    }
    EXPECT_EQ(profile.ReadNumber(kShowTipsKey, 7), 0u);
    EXPECT_EQ(profile.ReadNumber(kTipPositionKey, 7), 3u);

    // With ShowTips 0 nothing opens at start-up; with 1 the tip does.
    std::vector<wxString> shown;
    test::ModalAnswer answer([&](wxDialog* d) {
        shown.push_back(d->GetTitle());
        return static_cast<int>(wxID_CANCEL);
    });
    ShowTipAtStartup(nullptr, profile);
    EXPECT_TRUE(shown.empty());
    Store("2");
    ShowTipAtStartup(nullptr, profile);
    EXPECT_EQ(shown, std::vector<wxString>{"Tip of the Day"});
}

TEST_F(TipTest, DamagedPositionsStartAtTheFirstTipWhoseWordsKeepTheirStyles) {
    for (const char* stored : {"-5", "99999999999", "twelve", "", "9"}) {
        Store(stored);
        CTipDialog tip(nullptr, profile);
        EXPECT_EQ(tip.TipText(), TipTexts()[0]) << stored;
    }
    // The tip's words reach the view with their styles.
    EXPECT_NE(TipAsHtml(TipTexts()[1]).find("<b>military-strength </b>"), std::string::npos);
    EXPECT_NE(TipAsHtml("a < b & c\\par d").find("a &lt; b &amp; c<br>d"), std::string::npos);
}

TEST_F(TipTest, EveryTipShowsWholeWithoutScrolling) {
    CTipDialog tip(nullptr, profile);
    for (std::size_t i = 0; i < TipTexts().size(); ++i, tip.NextTip()) {
        const wxHtmlWindow* view = tip.TipView();
        EXPECT_LE(view->GetInternalRepresentation()->GetHeight(), view->GetClientSize().y) << i;
    }
}

TEST(HyperLink, ColoursFollowThePointerAndAFailureSaysWhy) {
    wxFrame frame(nullptr, wxID_ANY, "links");
    std::vector<std::string> opened;
    int result = 0;
    CHyperLinkCtrl::SetOpener([&](const std::string& target) {
        opened.push_back(target);
        return result;
    });
    CHyperLinkCtrl link(&frame, wxID_ANY, "", "https://example.org/");
    EXPECT_EQ(link.GetLabel(), "https://example.org/");  // empty text shows the target
    EXPECT_EQ(link.GetToolTipText(), "https://example.org/");
    EXPECT_TRUE(link.GetFont().GetUnderlined());
    EXPECT_EQ(link.TextColour(), wxColour(0, 0, 238));
    wxMouseEvent enter(wxEVT_ENTER_WINDOW);
    link.ProcessWindowEvent(enter);
    EXPECT_EQ(link.TextColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
    link.ProcessWindowEvent(leave);

    result = ENOENT;
    test::MessageBoxAnswer answer;
    KeyDown(&link, WXK_RETURN);
    EXPECT_EQ(answer.messages,
              std::vector<std::string>{"Unable to open hyperlink:\n\nUnknown Error (2) occurred."});
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.TextColour(), wxColour(0, 0, 238));

    result = 0;
    KeyDown(&link, WXK_SPACE);
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(link.TextColour(), wxColour(85, 26, 139));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(link.AcceptsFocusFromKeyboard());
    CHyperLinkCtrl::SetOpener(nullptr);
}

TEST(Skin, DialogsFollowTheSettingAndButtonsSendTheirCommand) {
    skin::SetEnabled(true);
    {
        NumberedDialog skinned(nullptr, 4711);
        EXPECT_EQ(skinned.GetBackgroundColour(), wxColour(240, 240, 248));
        CSkinGroupBox group(&skinned, "Options", 2);
        CSkinButton button(&skinned, 1010, {wxBitmap(16, 16), wxBitmap(16, 16), wxBitmap()},
                           "Add new folder");
        EXPECT_EQ(button.GetToolTipText(), "Add new folder");
        int clicked = 0;
        skinned.Bind(wxEVT_BUTTON, [&](wxCommandEvent& e) { clicked = e.GetId(); });
        KeyDown(&button, WXK_RETURN);
        EXPECT_EQ(clicked, 1010);
        wxMouseEvent enter(wxEVT_ENTER_WINDOW);
        enter.SetPosition(wxPoint(2, 2));
        button.ProcessWindowEvent(enter);
        EXPECT_EQ(button.Look().bitmap, SkinButtonBitmap::kHot);
        button.Disable();
        EXPECT_EQ(button.Look().bitmap, SkinButtonBitmap::kNormal);
    }
    skin::SetEnabled(false);
    {
        NumberedDialog plain(nullptr, 4711);
        EXPECT_NE(plain.GetBackgroundColour(), wxColour(240, 240, 248));
    }
    skin::SetEnabled(true);
}

TEST(About, ShowsNameVersionAndTheWebPage) {
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.GetTitle(), "About");
    EXPECT_EQ(about.FindWindow(1138)->GetLabel(), "Vaultkeep 3.0.0");
    EXPECT_EQ(about.FindWindow(1117)->GetLabel(), *FindVersionString("LegalTrademarks"));
    EXPECT_EQ(about.Link()->Target(), kProgramWebPage);
    about.Show();
    EXPECT_EQ(HelpContext().TopicToShow(), help::kAbout);
    about.Hide();
}

}  // namespace
}  // namespace vk
