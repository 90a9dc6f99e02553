#pragma once
#include <wx/taskbar.h>

#include <functional>

namespace vk {

// The program's icon in the notification area, with its menu. Where no tray host runs the
// icon cannot be shown: IsShown() then stays false and the program keeps its window.
class CTrayIconWnd : public wxTaskBarIcon {
  public:
    // What the menu and the clicks ask of the application.
    struct Actions {
        std::function<void()> open;        // left click and "&Open"
        std::function<void()> openEditor;  // "Open &editor"
        std::function<void()> toggleLock;  // "&Lock database" / "Unlock database"
        std::function<void()> help;
        std::function<void()> about;
        std::function<void()> exit;
        std::function<bool()> canLock;  // a loaded file with a master password
        std::function<bool()> isLocked;
    };

    explicit CTrayIconWnd(Actions actions);
    ~CTrayIconWnd() override;

    // Shows the icon; false where no tray host could take it.
    bool AddIcon();
    // The program icon, or the lock icon while the database is locked.
    void UpdateIcon();
    void RemoveFromTray();
    bool IsShown() const { return shown_; }

    // The menu as it would open now (exposed for tests).
    wxMenu* BuildMenu();
    // While the icon's menu is open the quick-access dialog must not hide.
    bool MenuOpen() const { return menuOpen_; }
    // Where the pointer was at the last click on the icon: over the panel holding it.
    wxPoint LastClickPoint() const { return lastClick_; }

  protected:
    wxMenu* CreatePopupMenu() override;

  private:
    void OnMenu(wxCommandEvent& event);

    Actions actions_;
    bool shown_ = false;
    bool menuOpen_ = false;
    wxPoint lastClick_ = wxDefaultPosition;
};

}  // namespace vk
