#pragma once
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/quickaccess/dialog_placement.h"
#include "core/quickaccess/quick_access_tree.h"
#include "gui/ui/dialog_base.h"

class wxBitmapButton;
class wxImageList;
class wxMenu;
class wxTreeEvent;

namespace vk {

class CAppContext;
class CBalloonHelpWnd;
class CPasteToApplication;
class CQuickAccessTreeCtrl;
class IDesktopWindows;

// What the dialog needs from the application besides the open file and the settings.
struct QuickAccessServices {
    CPasteToApplication* paste = nullptr;
    IDesktopWindows* desktop = nullptr;  // to take the focus back after a paste
    std::function<bool()> trayMenuOpen = [] { return false; };
    std::function<void(const std::string&)> launch = [](const std::string&) {};
    std::function<void()> showEditor = [] {};
};

// The small window beside the tray: the open file as a tree of folders, records and their
// fields, from which a value is copied, typed into the application used before, launched or
// shown. Borderless, rounded, kept above the others, without a taskbar button; it hides as
// soon as another window becomes active unless it is pinned or busy.
class CQuickAccessDlg : public CDialogBase {
  public:
    // The window's size: the background's width plus one, its height less one.
    static constexpr int kWidth = 201;
    static constexpr int kHeight = 249;

    CQuickAccessDlg(CAppContext& context, QuickAccessServices services);
    ~CQuickAccessDlg() override;

    // Moves it beside the panel that holds the tray icon (bottom right without one).
    void PlaceBeside(const std::optional<ScreenRect>& dock);
    // Shows it in front with the tree focused: a click on the tray icon, "&Open".
    void ShowInFront();
    // The close button, locking: hidden, not destroyed.
    void HideDialog();
    bool DialogShown() const { return dialogShown_; }
    bool Busy() const { return busy_; }

    // After a change of folders or records: collapse now, rebuild when the tree gets the focus.
    void RequestRefresh();
    bool RefreshPending() const { return refreshPending_; }
    // After file commands and new column icons: rebuild at once.
    void RebuildNow();
    void ApplyTransparency();
    void ApplySkin();

    // The search dialog's "Find next" over the tree's shown texts.
    void SearchNext(const std::string& text);

    // The commands of the buttons and the item menu.
    void Copy();
    void Paste();
    void LaunchSite();
    void LaunchEmail();
    void DisplayNotes();
    void OpenInEditor();
    void Search();
    void TogglePin();

    CQuickAccessTreeCtrl* Tree() const { return tree_; }
    const CQuickAccessTree& Model() const { return model_; }
    // The item menu as it would open for the selected item.
    std::unique_ptr<wxMenu> BuildItemMenu() const;
    void RunMenuCommand(int id);

  private:
    // Moves a window opened over the dialog (the search) beside it, so that the items it
    // finds stay in sight.
    void KeepInSight(wxWindow& window) const;
    void MakeControls();
    void ApplyPinImage();
    std::string SelectedValue() const;
    std::string SelectedRecordField(int field) const;
    void ShowItemMenu(const wxPoint& at);
    void TakeFocusBack();
    void SetBusyUntilFocusReturns();

    void OnActivate(wxActivateEvent& event);
    void HideIfDeactivated();
    void OnCharHook(wxKeyEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnTreeFocus(wxFocusEvent& event);
    void OnTreeRightDown(wxMouseEvent& event);
    void OnItemActivated(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);

    CAppContext& context_;
    QuickAccessServices services_;
    CQuickAccessTree model_;
    CQuickAccessTreeCtrl* tree_ = nullptr;
    std::unique_ptr<wxImageList> images_;
    wxBitmap background_;
    wxBitmapButton* search_ = nullptr;
    wxBitmapButton* copy_ = nullptr;
    wxBitmapButton* paste_ = nullptr;
    wxBitmapButton* editor_ = nullptr;
    wxBitmapButton* close_ = nullptr;
    wxBitmapButton* pin_ = nullptr;
    CBalloonHelpWnd* notes_ = nullptr;  // the open notes balloon
    wxTimer focusBackTimer_;
    wxTimer hideCheck_;
    wxPoint dragOffset_;
    bool dragging_ = false;
    bool busy_ = false;
    int holdOpen_ = 0;  // menus, balloons and drags under way
    bool awaitingFocus_ = false;
    bool searching_ = false;
    bool refreshPending_ = false;
    bool dialogShown_ = false;
};

}  // namespace vk
