// The main window's toolbar on the test display: its buttons, options and the window height
// that follows them, Customize Toolbar, and layouts saved, restored and damaged.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/menu.h>

#include "gui/app/main_toolbar.h"
#include "gui/ui/customize_toolbar_dlg.h"
#include "gui/ui/toolbar_ex.h"
#include "tests/gui/gui_events.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/gui/modal_answer.h"

namespace vk {
namespace {

class ToolbarTest : public test::MainWindowFixture {
  protected:
    CMainWindow& OpenSettled() {
        Open();
        test::RunEvents();
        return *window;
    }
    CMainToolbar& Toolbar() { return *window->Toolbar(); }
    std::vector<int> ShownButtons() {
        std::vector<int> shown;
        for (int entry : Toolbar().Bar()->Shown())
            if (entry != kToolbarSeparator) shown.push_back(entry);
        return shown;
    }
    void Run(int command) {
        wxCommandEvent event(wxEVT_MENU, cmd::WxId(command));
        window->ProcessWindowEvent(event);
        test::RunEvents();
    }
    void Reopen() {
        window->Destroy();
        window = nullptr;
        OpenSettled();
    }
};

TEST_F(ToolbarTest, DefaultButtonsShowOnlyForCommandsTheProgramHas) {
    CMainWindow& w = OpenSettled();
    ASSERT_TRUE(Toolbar().IsShown());
    EXPECT_EQ(w.GetToolBar(), Toolbar().Bar());
    for (int command : ShownButtons()) EXPECT_TRUE(w.Commands().Has(command)) << command;
    const auto shown = ShownButtons();
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 3),
              (std::vector<int>{cmd::kNewFile, cmd::kOpenFile, cmd::kSave}));
    EXPECT_EQ(shown.back(), cmd::kHelp);
    // Tooltips say what the button does; Open carries the recent files' arrow.
    wxToolBarToolBase* open = Toolbar().Bar()->FindById(cmd::WxId(cmd::kOpenFile));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->GetShortHelp(), "Open a password file");
    EXPECT_EQ(open->GetKind(), wxITEM_DROPDOWN);
    // Without a file Save is gray, like its menu item.
    Toolbar().Bar()->UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    EXPECT_FALSE(Toolbar().Bar()->GetToolEnabled(cmd::WxId(cmd::kSave)));
    EXPECT_TRUE(Toolbar().Bar()->GetToolEnabled(cmd::WxId(cmd::kNewFile)));
    EXPECT_TRUE(Toolbar().Bar()->IsEnabled());
}

TEST_F(ToolbarTest, HeightChangesMoveTheWindowNotTheEditor) {
    CMainWindow& w = OpenSettled();
    const wxSize client = w.GetClientSize();
    const int frameHeight = w.GetSize().y;
    const int smallBar = Toolbar().Bar()->WantedHeight();

    ToolbarLayout large = Toolbar().Layout();
    large.iconOption = kLargeIcons;
    large.textOption = kShowTextLabels;
    Toolbar().Apply(large);
    test::RunEvents();
    const int largeBar = Toolbar().Bar()->WantedHeight();
    EXPECT_GT(largeBar, smallBar);
    EXPECT_EQ(w.GetSize().y, frameHeight + largeBar - smallBar);
    EXPECT_EQ(w.GetClientSize(), client);
    EXPECT_EQ(Toolbar().Bar()->GetToolBitmapSize().y, w.FromDIP(32));

    // Hidden from the Tools menu: the window shrinks by the whole bar, and comes back.
    Run(cmd::kShowToolbar);
    EXPECT_FALSE(Toolbar().IsShown());
    EXPECT_EQ(w.GetToolBar(), nullptr);
    EXPECT_FALSE(context.settings.showToolbar);
    EXPECT_FALSE(w.GetMenuBar()->IsChecked(cmd::WxId(cmd::kShowToolbar)));
    EXPECT_EQ(w.GetSize().y, frameHeight - smallBar);
    EXPECT_EQ(w.GetClientSize(), client);
    Run(cmd::kShowToolbar);
    ASSERT_TRUE(Toolbar().IsShown());
    EXPECT_TRUE(w.GetMenuBar()->IsChecked(cmd::WxId(cmd::kShowToolbar)));
    EXPECT_EQ(w.GetSize().y, frameHeight + largeBar - smallBar);
    EXPECT_EQ(w.GetClientSize(), client);
}

TEST_F(ToolbarTest, LabelsFollowTheTextOption) {
    OpenSettled();
    ToolbarLayout layout = Toolbar().Layout();
    struct Case {
        int option;
        const char* open;
        const char* save;
        bool beside;
    };
    for (const Case& c :
         {Case{kShowTextLabels, "Open", "Save", false},
          Case{kSelectiveTextOnRight, "", "Save", true}, Case{kNoTextLabels, "", "", false}}) {
        layout.textOption = c.option;
        Toolbar().Apply(layout);
        CToolBarEx* bar = Toolbar().Bar();
        EXPECT_EQ(bar->FindById(cmd::WxId(cmd::kOpenFile))->GetLabel(), c.open);
        EXPECT_EQ(bar->FindById(cmd::WxId(cmd::kSave))->GetLabel(), c.save);
        EXPECT_EQ(bar->HasFlag(wxTB_HORZ_LAYOUT), c.beside);
        EXPECT_EQ(bar->HasFlag(wxTB_TEXT), c.option != kNoTextLabels);
    }
}

TEST_F(ToolbarTest, SavedLayoutsComeBackAndDamagedOnesGiveTheDefault) {
    const ToolbarLayout saved{kLargeIcons, kShowTextLabels, {cmd::kHelp, 0, cmd::kSave}};
    const auto bytes = EncodeToolbarLayout(saved);
    storage.values[kToolbarLayoutName] = std::string(bytes.begin(), bytes.end());
    OpenSettled();
    EXPECT_EQ(Toolbar().Layout(), saved);
    EXPECT_EQ(ShownButtons(), (std::vector<int>{cmd::kHelp, cmd::kSave}));

    storage.values[kToolbarLayoutName] = std::string(4000, '\xff');
    Reopen();
    EXPECT_FALSE(ShownButtons().empty());
    EXPECT_EQ(Toolbar().Bar()->GetToolBitmapSize().y, window->FromDIP(16));
    // Hidden at start when the settings say so.
    context.settings.showToolbar = false;
    Reopen();
    EXPECT_FALSE(Toolbar().IsShown());
    EXPECT_EQ(window->GetToolBar(), nullptr);
}

TEST_F(ToolbarTest, CustomizeShowsChangesAtOnceAndSavesWhenItCloses) {
    OpenSettled();
    const int smallBar = Toolbar().Bar()->WantedHeight();
    test::ModalAnswer answer([&](wxDialog* dialog) {
        auto* customize = dynamic_cast<CCustomizeDialog*>(dialog);
        EXPECT_NE(customize, nullptr);
        if (!customize) return static_cast<int>(wxID_CANCEL);
        EXPECT_EQ(customize->GetTitle(), "Customize Toolbar");
        // Text labels show at once; the icon size waits for the dialog to close.
        customize->TextOptions()->SetSelection(kShowTextLabels);
        test::Click(customize, customize->TextOptions()->GetId(), wxEVT_CHOICE, kShowTextLabels);
        EXPECT_EQ(Toolbar().Layout().textOption, kShowTextLabels);
        customize->IconOptions()->SetSelection(kLargeIcons);
        test::Click(customize, customize->IconOptions()->GetId(), wxEVT_CHOICE, kLargeIcons);
        EXPECT_EQ(Toolbar().Layout().iconOption, kSmallIcons);
        // The first button leaves the toolbar and goes back to the available ones.
        customize->CurrentList()->Select(0);
        customize->RemoveSelected();
        EXPECT_EQ(ShownButtons().front(), cmd::kOpenFile);
        EXPECT_EQ(customize->AvailableList()->GetItemText(1), "New");
        // The close box keeps everything.
        wxCloseEvent close(wxEVT_CLOSE_WINDOW, customize->GetId());
        customize->ProcessWindowEvent(close);
        return customize->GetReturnCode();
    });
    Run(cmd::kCustomizeToolbar);
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(Toolbar().Layout().iconOption, kLargeIcons);
    EXPECT_GT(Toolbar().Bar()->WantedHeight(), smallBar);
    const auto stored = CSettingsStore(storage, prompt, [](const std::string&) {
                            return true;
                        }).LoadToolbarLayout();
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, Toolbar().Layout());
}

TEST_F(ToolbarTest, ResetGivesTheDefaultButtonsWithoutLabelsAndSmallIcons) {
    OpenSettled();
    CToolbarCustomization edit(ToolbarLayout{kLargeIcons, kShowTextLabels, {cmd::kHelp}},
                               [this](int c) { return window->Commands().Has(c); });
    std::vector<ToolbarLayout> shown;
    CCustomizeDialog dialog(window, edit,
                            [&](const ToolbarLayout& l, bool) { shown.push_back(l); });
    EXPECT_EQ(dialog.CurrentList()->GetItemCount(), 1);
    dialog.Reset();
    EXPECT_EQ(edit.Layout(), DefaultToolbarLayout());
    EXPECT_EQ(dialog.TextOptions()->GetStringSelection(), "No Text Labels");
    EXPECT_EQ(dialog.IconOptions()->GetStringSelection(), "Small Icons");
    EXPECT_EQ(dialog.CurrentList()->GetItemText(0), "New");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), DefaultToolbarLayout());
    // Moving and adding by the dialog's buttons.
    dialog.CurrentList()->Select(1);
    dialog.MoveSelected(true);
    EXPECT_EQ(dialog.CurrentList()->GetItemText(0), "Open");
    dialog.AvailableList()->Select(0);
    dialog.CurrentList()->Select(0);
    dialog.AddSelected();
    EXPECT_EQ(dialog.CurrentList()->GetItemText(0), "Separator");
}

}  // namespace
}  // namespace vk
