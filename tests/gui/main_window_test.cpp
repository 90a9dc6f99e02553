// The main window on the test display: title, menus, status panes, position and the close
// paths, over in-memory files and settings.
#include <wx/display.h>

#include "gui/app/modified_status_bar.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/ui/skin_button.h"
#include "tests/gui/main_window_fixture.h"

namespace vk {
namespace {

using MainWindowTest = test::MainWindowFixture;

TEST_F(MainWindowTest, TitleMenusAndStatusFollowTheFile) {
    CMainWindow& w = Open();
    EXPECT_EQ(w.GetTitle(), "No file selected - Vaultkeep ");
    w.UpdateMenus();
    EXPECT_FALSE(Item(cmd::kSave)->IsEnabled());
    EXPECT_FALSE(Item(cmd::kSaveAs)->IsEnabled());
    EXPECT_FALSE(Item(cmd::kMasterPassword)->IsEnabled());
    EXPECT_TRUE(Item(cmd::kNewFile)->IsEnabled());
    const int setColumns = w.GetMenuBar()->FindMenuItem("Folders", "Set columns");
    EXPECT_FALSE(w.GetMenuBar()->IsEnabled(setColumns));

    OpenFile();
    EXPECT_EQ(w.GetTitle(), "Accounts.vk - Vaultkeep ");
    EXPECT_TRUE(Item(cmd::kSave)->IsEnabled());
    EXPECT_TRUE(w.Editor()->Button(cmd::kAddFolder)->IsEnabled());
    // A file whose load did not finish offers no folder to be added, by button or menu.
    context.store.loadComplete = false;
    w.Editor()->ApplyEnabling();
    w.RefreshState();
    EXPECT_FALSE(w.Editor()->Button(cmd::kAddFolder)->IsEnabled());
    EXPECT_FALSE(Item(cmd::kAddFolder)->IsEnabled());
    context.store.loadComplete = true;
    w.RefreshState();
    // The recent file appears by name only.
    ASSERT_NE(Item(cmd::kRecentFirst), nullptr);
    EXPECT_EQ(Item(cmd::kRecentFirst)->GetItemLabelText(), "Accounts.vk");

    // The tree shows the model; selecting a folder fills the status pane.
    CFolderTreeCtrl* tree = w.Editor()->Tree();
    EXPECT_EQ(tree->GetCount(), 4u);
    tree->SelectItem(tree->FindByFolderIndex(1));
    w.Editor()->ShowSelectedFolder();
    EXPECT_EQ(w.GetStatusBar()->GetStatusText(1), "Folder: Cards    Records: 2");
    w.Editor()->Tree()->ExpandAllFolders();
    EXPECT_TRUE(tree->IsExpanded(tree->FindByFolderIndex(0)));
    EXPECT_TRUE(context.tree.First()->expanded);
    w.Editor()->Tree()->CollapseAllFolders();
    EXPECT_FALSE(tree->IsExpanded(tree->FindByFolderIndex(0)));

    // The indicator follows the modified flag; a save turns it back and says so.
    context.store.modified = true;
    w.RefreshState();
    EXPECT_TRUE(w.StatusBar()->IsModifiedShown());
    EXPECT_EQ(w.Editor()->Files().Save(false, false), kSaveDone);
    EXPECT_FALSE(w.StatusBar()->IsModifiedShown());
    EXPECT_EQ(w.GetStatusBar()->GetStatusText(1), "File saved: Accounts.vk");
}

TEST_F(MainWindowTest, CloseEditorItemOnlyWithATrayIcon) {
    CMainWindow& w = Open();
    w.UpdateMenus();
    EXPECT_EQ(Item(cmd::kCloseEditor), nullptr);
    trayShown = true;
    w.UpdateMenus();
    wxMenu* file = w.GetMenuBar()->GetMenu(0);
    const size_t count = file->GetMenuItemCount();
    ASSERT_GE(count, 2u);
    EXPECT_EQ(file->FindItemByPosition(count - 2)->GetId(), cmd::WxId(cmd::kCloseEditor));
    EXPECT_EQ(file->FindItemByPosition(count - 1)->GetId(), cmd::WxId(cmd::kExit));
    w.UpdateMenus();  // shown once, however often the menu opens
    int closeItems = 0;
    for (size_t i = 0; i < file->GetMenuItemCount(); ++i)
        closeItems += file->FindItemByPosition(i)->GetId() == cmd::WxId(cmd::kCloseEditor);
    EXPECT_EQ(closeItems, 1);
}

TEST_F(MainWindowTest, ClosingHidesWithATrayAndEndsWithout) {
    OpenFile("/d/a.vk");
    CMainWindow& w = *window;

    trayShown = true;
    w.Close();
    EXPECT_FALSE(w.IsShown());
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(storage.values.count("Init"), 1u);  // settings are written on every close

    // Unsaved changes: Cancel keeps everything as it was.
    w.Show();
    context.store.modified = true;
    prompt.answers = {MessageResult::kCancel};
    EXPECT_FALSE(w.ExitProgram(true));
    EXPECT_TRUE(w.IsShown());
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(prompt.messages.back(), "Do you wish to save your changes to a.vk?");

    // A save that fails keeps the program running with the changes.
    fs.failRenameAt = fs.renames + 1;
    prompt.answers = {MessageResult::kYes};
    EXPECT_FALSE(w.ExitProgram(true));
    EXPECT_EQ(quits, 0);

    // Without a tray the close box ends the program; No drops the changes.
    trayShown = false;
    prompt.answers = {MessageResult::kNo};
    w.Close();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(storage.values["LastFile"], "/d/a.vk");
}

TEST_F(MainWindowTest, RememberedPositionIsPulledIntoTheWorkArea) {
    const wxRect area = wxDisplay(0u).GetClientArea();
    // Top, left, bottom, right: hanging off the left and top edges.
    storage.values["WindowPosition"] =
        wxString::Format("%d,%d,%d,%d", 0, 0, area.GetTop() + 500, area.GetLeft() + 700)
            .ToStdString();
    CMainWindow& w = Open();
    const wxRect r = w.GetRect();
    EXPECT_GE(r.GetLeft(), area.GetLeft());
    EXPECT_GE(r.GetTop(), area.GetTop());

    // A rectangle of zero width is ignored.
    w.Destroy();
    window = nullptr;
    storage.values["WindowPosition"] = "100,300,500,300";
    CMainWindow& again = Open();
    EXPECT_NE(again.GetRect().GetLeft(), 300);
    EXPECT_GE(again.GetSize().x, again.GetMinSize().x);
}

}  // namespace
}  // namespace vk
