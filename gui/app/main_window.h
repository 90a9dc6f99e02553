#pragma once
#include <wx/frame.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/app/main_window_rules.h"
#include "gui/app/command_table.h"
#include "gui/app/main_menu.h"

class wxMenu;

namespace vk {

class CAppContext;
class CMainToolbar;
class CModifiedStatusBar;
class CPasswordEditorDlg;

// The visible top-level window while the editor is open: menus, status bar, the editor as
// its client. Made once, then only hidden and shown until the program ends.
class CMainWindow : public wxFrame {
  public:
    explicit CMainWindow(CAppContext& context);
    ~CMainWindow() override;

    CPasswordEditorDlg* Editor() { return editor_; }
    CModifiedStatusBar* StatusBar() { return statusBar_; }
    // The commands of the menus, accelerators and toolbar.
    CCommandTable& Commands() { return commands_; }
    CMainToolbar* Toolbar() { return toolbar_.get(); }

    // Title, modified indicator and menu states after any change of the file.
    void RefreshState();
    // Menu states: enabling, recent files, "&Close editor".
    void UpdateMenus();
    // The application's clipboard timer follows ClearClipboard and ClearSeconds.
    void UpdateClipboardTimer();
    // Runs the first load once the window is on screen.
    void ScheduleFirstLoad();
    // Runs `action` once the editor holds the file: at once, or right after the first load
    // (a jump to a record asked for as the window opens would otherwise be lost).
    void WhenLoaded(std::function<void()> action);

    // "E&xit" from the menu or the tray, and the hand-over from a second copy: asks about
    // unsaved changes (with Cancel unless `allowCancel` is false), then ends the program.
    // False when the user cancelled or the changes could not be saved.
    bool ExitProgram(bool allowCancel);
    // The end of the desktop session: false vetoes it.
    bool QueryEndSession();

    // The rectangle the window keeps in the settings.
    WindowRect CurrentRect() const;

  private:
    void AddCommands();
    void BuildMenus();
    void RestorePosition();
    void OnClose(wxCloseEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnCommand(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    // Saves settings and asks about unsaved changes; false when closing must stop.
    bool PrepareToClose(bool allowCancel);

    CAppContext& context_;
    CPasswordEditorDlg* editor_ = nullptr;
    CModifiedStatusBar* statusBar_ = nullptr;
    CCommandTable commands_;
    MainMenu menu_;
    std::unique_ptr<CMainToolbar> toolbar_;
    bool exitRequested_ = false;
    bool firstLoadDone_ = false;
    bool firstLoadRan_ = false;
    std::vector<std::function<void()>> afterFirstLoad_;
};

}  // namespace vk
