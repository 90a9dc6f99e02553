// The quick-access dialog on the test display, driven through its keys and commands, over an
// in-memory store; the paste goes to a scripted desktop. And the notes balloon.
#include <gtest/gtest.h>
#include <wx/menu.h>

#include <memory>

#include "core/quickaccess/paste_to_application.h"
#include "core/quickaccess/quick_access_messages.h"
#include "gui/quickaccess/quick_access_dlg.h"
#include "gui/quickaccess/quick_access_tree_ctrl.h"
#include "gui/ui/balloon_help_wnd.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/test_app_context.h"
#include "tests/support/fake_desktop.h"

namespace vk {
namespace {

using test::RunEvents;

class QuickAccessDialog : public ::testing::Test, protected test::TestAppContext {
  protected:
    QuickAccessDialog() {
        CPasswordStore& s = context.store;
        const int internet = s.AddFolder("Internet", 2);
        CRecord mail;
        mail[kDescription] = "Mail";
        mail[kUsername] = "bob";
        mail[kPassword] = "p{TAB}+\xC3\xA9";
        mail[kUrl] = "https://mail.example";
        mail[kNotes] = "Second factor on the phone";
        s.folders[internet].records = {mail};
        s.AddFolder("Internet~Shops", 2);
        context.tree.BuildFrom(s);
        desktop.windows = {{7, true, false, "Form", WindowKind::kNormal, false}};
        QuickAccessServices services;
        services.paste = &paste;
        services.launch = [this](const std::string& text) { launched.push_back(text); };
        dialog = new CQuickAccessDlg(context, std::move(services));
        dialog->ShowInFront();
    }
    ~QuickAccessDialog() override {
        dialog->Destroy();
        wxTheApp->ProcessIdle();
    }

    void Key(int code, int modifiers = wxMOD_NONE) { test::PressKey(dialog, code, modifiers); }
    // Selects the item the tree shows with `text`.
    void Select(const std::string& text) {
        const CQuickAccessTree& model = dialog->Model();
        for (std::size_t i = 0; i < model.Size(); ++i) {
            if (model.DisplayText(static_cast<int>(i)) == text) {
                dialog->Tree()->SelectNode(static_cast<int>(i));
                return;
            }
        }
        ADD_FAILURE() << "no item shows " << text;
    }

    test::FakeDesktop desktop;
    CPasteToApplication paste{desktop, desktop, context.clipboard, prompt};
    std::vector<std::string> launched;
    CQuickAccessDlg* dialog = nullptr;
};

TEST_F(QuickAccessDialog, KeysPasteCopyAndCloseWithTheTreeInFocus) {
    EXPECT_EQ(dialog->GetClientSize(), wxSize(201, 249));
    EXPECT_EQ(dialog->Tree()->GetRect(), wxRect(14, 47, 173, 182));
    EXPECT_TRUE(dialog->HasFlag(wxSTAY_ON_TOP));
    EXPECT_EQ(dialog->Tree()->GetItemText(dialog->Tree()->GetSelection()), "Internet");

    Select("*****");
    Key(WXK_RETURN);  // typed literally, one Tab after it
    EXPECT_EQ(desktop.typed, "p{TAB}+\xC3\xA9<Tab>");
    EXPECT_EQ(desktop.activated, std::vector<std::uint64_t>{7});
    context.settings.sendTab = false;
    Select("bob");
    Key(WXK_RETURN);
    EXPECT_EQ(desktop.typed, "p{TAB}+\xC3\xA9<Tab>bob");

    Select("*****");
    Key('C', wxMOD_CONTROL);
    EXPECT_EQ(clipboard.text, "p{TAB}+\xC3\xA9");  // never the mask
    EXPECT_TRUE(context.clipboard.IsPending());

    // The notes go with the dialog.
    Select("Mail");
    dialog->DisplayNotes();
    auto notesGone = std::make_shared<bool>(false);
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* notes = dynamic_cast<CBalloonHelpWnd*>(w))
            notes->Bind(wxEVT_DESTROY, [notesGone](wxWindowDestroyEvent&) { *notesGone = true; });
    Key(WXK_ESCAPE);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_FALSE(dialog->DialogShown());
    EXPECT_TRUE(test::Until([&] { return *notesGone; }));
}

TEST_F(QuickAccessDialog, MenuSearchRefreshAndHiding) {
    Select("Mail");
    std::unique_ptr<wxMenu> menu = dialog->BuildItemMenu();
    auto enabled = [&](const char* label) {
        return menu->FindItem(menu->FindItem(label))->IsEnabled();
    };
    EXPECT_TRUE(enabled("Launch &site"));
    EXPECT_FALSE(enabled("Launch &email"));
    EXPECT_TRUE(enabled("&Display notes"));
    dialog->LaunchSite();
    EXPECT_EQ(launched, std::vector<std::string>{"https://mail.example"});

    dialog->SearchNext("shops");
    EXPECT_EQ(dialog->Tree()->GetItemText(dialog->Tree()->GetSelection()), "Shops");
    dialog->SearchNext("nothing like it");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{msg::kSearchNotFound});

    // A change in the editor: collapsed now, rebuilt when the tree gets the focus.
    context.store.folders[0].records.push_back(CRecord());
    context.store.folders[0].records.back()[kDescription] = "Forum";
    dialog->RequestRefresh();
    EXPECT_TRUE(dialog->RefreshPending());
    wxFocusEvent focus(wxEVT_SET_FOCUS);
    dialog->Tree()->ProcessWindowEvent(focus);
    EXPECT_FALSE(dialog->RefreshPending());
    Select("Forum");

    // Another window becomes active: pinned it stays, unpinned it goes.
    dialog->TogglePin();
    wxActivateEvent away(wxEVT_ACTIVATE, false);
    dialog->ProcessWindowEvent(away);
    RunEvents(300);
    EXPECT_TRUE(dialog->IsShown());
    dialog->TogglePin();
    EXPECT_FALSE(context.settings.pinTrayDlg);
    dialog->ProcessWindowEvent(away);
    RunEvents(300);
    if (!dialog->IsActive()) {
        EXPECT_FALSE(dialog->IsShown());
    }
}

TEST(BalloonHelp, PointsAtTheAnchorAndClosesOnItsEvents) {
    auto* owner = new wxFrame(nullptr, wxID_ANY, "owner");
    bool gone = false;
    CBalloonHelpWnd* balloon =
        CBalloonHelpWnd::Launch(owner, "Notes",
                                "A note long enough to be broken into lines at the word "
                                "breaks of its text, and a word longer than a line: " +
                                    std::string(300, 'w'),
                                wxPoint(300, 200), wxBitmap(16, 16), balloon::kNotesOptions);
    balloon->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& e) {
        gone = e.GetEventObject() == balloon || gone;
        e.Skip();
    });
    const BalloonLayout& l = balloon->Layout();
    EXPECT_TRUE(l.tailAtTop);
    EXPECT_EQ(wxPoint(l.window.left + l.tail[1].x, l.window.top + l.tail[1].y), wxPoint(300, 200));
    EXPECT_EQ(balloon->GetRect(),
              wxRect(l.window.left, l.window.top, l.window.Width(), l.window.Height()));
    EXPECT_LE(l.window.Width(), balloon->FromDIP(320) + 2 * kBalloonMargin);

    // A key press leaves it open; a click anywhere in the program closes it.
    wxKeyEvent key(wxEVT_KEY_DOWN);
    owner->ProcessWindowEvent(key);
    RunEvents(50);
    EXPECT_FALSE(gone);
    wxMouseEvent click(wxEVT_LEFT_DOWN);
    owner->ProcessWindowEvent(click);
    RunEvents(50);
    EXPECT_TRUE(gone);
    owner->Destroy();
    wxTheApp->ProcessIdle();
}

}  // namespace
}  // namespace vk
