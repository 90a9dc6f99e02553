// The tray icon with a real tray host on the test display, and its menu's rules.
#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/menu.h>

#include <chrono>
#include <thread>

#include "core/app/command_ids.h"
#include "gui/app/tray_icon_wnd.h"
#include "tests/support/desktop_session.h"

namespace vk {
namespace {

using namespace std::chrono_literals;

struct TrayState {
    bool canLock = false;
    bool locked = false;
    std::vector<std::string> calls;
};

CTrayIconWnd::Actions ActionsFor(TrayState& state) {
    CTrayIconWnd::Actions a;
    a.open = [&] { state.calls.push_back("open"); };
    a.openEditor = [&] { state.calls.push_back("editor"); };
    a.toggleLock = [&] { state.calls.push_back("lock"); };
    a.help = [&] { state.calls.push_back("help"); };
    a.about = [&] { state.calls.push_back("about"); };
    a.exit = [&] { state.calls.push_back("exit"); };
    a.canLock = [&] { return state.canLock; };
    a.isLocked = [&] { return state.locked; };
    return a;
}

void SendMenu(CTrayIconWnd& tray, int command) {
    wxCommandEvent event(wxEVT_MENU, cmd::WxId(command));
    tray.ProcessEvent(event);
}

TEST(TrayIcon, MenuRulesAndCommands) {
    TrayState state;
    CTrayIconWnd tray(ActionsFor(state));
    std::unique_ptr<wxMenu> menu(tray.BuildMenu());
    wxMenuItem* lock = menu->FindItem(cmd::WxId(cmd::kLockDatabase));
    ASSERT_NE(lock, nullptr);
    EXPECT_FALSE(lock->IsEnabled());  // nothing loaded with a master password
    EXPECT_EQ(lock->GetItemLabel(), "&Lock database");
    EXPECT_EQ(menu->FindItemByPosition(0)->GetItemLabel(), "&Open");
    EXPECT_EQ(menu->FindItemByPosition(menu->GetMenuItemCount() - 1)->GetItemLabel(), "E&xit");

    state.canLock = true;
    state.locked = true;
    menu.reset(tray.BuildMenu());
    lock = menu->FindItem(cmd::WxId(cmd::kLockDatabase));
    EXPECT_TRUE(lock->IsEnabled());
    EXPECT_TRUE(lock->IsChecked());
    EXPECT_EQ(lock->GetItemLabel(), "Unlock database");

    for (int command : {cmd::kTrayOpen, cmd::kOpenEditor, cmd::kLockDatabase, cmd::kHelp,
                        cmd::kAbout, cmd::kExit})
        SendMenu(tray, command);
    EXPECT_EQ(state.calls,
              (std::vector<std::string>{"open", "editor", "lock", "help", "about", "exit"}));

    // While a modal dialog runs its own loop the menu offers nothing it could not deliver.
    wxGUIEventLoop modalLoop;
    wxEventLoopActivator activate(&modalLoop);
    menu.reset(tray.BuildMenu());
    for (wxMenuItem* item : menu->GetMenuItems())
        EXPECT_TRUE(item->IsSeparator() || !item->IsEnabled()) << item->GetItemLabel();
    // ...and a click on the icon leaves the dialog to be answered first.
    state.calls.clear();
    wxTaskBarIconEvent click(wxEVT_TASKBAR_LEFT_DOWN, &tray);
    tray.ProcessEvent(click);
    EXPECT_TRUE(state.calls.empty());
}

TEST(TrayIcon, ShownOnlyWhereATrayHostRuns) {
    TrayState state;
    CTrayIconWnd tray(ActionsFor(state));
    if (!CTrayIconWnd::IsAvailable()) {
        // Bare display: the icon cannot be shown, and says so.
        EXPECT_FALSE(tray.AddIcon());
        EXPECT_FALSE(tray.IsShown());
    }
    test::TrayHostForTest host;
    if (!host.Running()) GTEST_SKIP() << "no tray host could be started";
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!CTrayIconWnd::IsAvailable() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(50ms);
    ASSERT_TRUE(CTrayIconWnd::IsAvailable());
    EXPECT_TRUE(tray.AddIcon());
    EXPECT_TRUE(tray.IsShown());
    state.locked = true;
    tray.UpdateIcon();
    EXPECT_TRUE(tray.IsShown());
    tray.RemoveFromTray();
    EXPECT_FALSE(tray.IsShown());
}

}  // namespace
}  // namespace vk
