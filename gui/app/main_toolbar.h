#pragma once
#include "core/ui/toolbar_layout.h"

class wxFrame;
class wxMenuBar;

namespace vk {

class CAppContext;
class CCommandTable;
class CToolBarEx;

// The main window's toolbar while ShowToolbar is on: its layout, saved in the settings and
// restored at start; Customize Toolbar; the right-click menu; Open's recent files. Whenever
// the bar changes height the window grows or shrinks by as much, so the editor keeps its size.
// The main menu's items show the same pictures.
class CMainToolbar {
  public:
    CMainToolbar(wxFrame& frame, const CCommandTable& commands, CAppContext& context);
    ~CMainToolbar();
    CMainToolbar(const CMainToolbar&) = delete;
    CMainToolbar& operator=(const CMainToolbar&) = delete;

    bool IsShown() const { return bar_ != nullptr; }
    // Null while the bar is hidden.
    CToolBarEx* Bar() const { return bar_; }
    const ToolbarLayout& Layout() const { return layout_; }

    // Shows or hides the bar; ShowToolbar follows.
    void SetShown(bool shown);
    // Puts `layout` on the bar (shown or not).
    void Apply(const ToolbarLayout& layout);
    // Runs Customize Toolbar; the layout is saved when it ends.
    void Customize();
    // The main menu's items get their pictures.
    void AddMenuPictures(wxMenuBar& bar) const;

  private:
    bool IsPresent(int command) const;
    bool IsEnabled(int command) const;
    void Build();
    // The bar's height changed from `before`: the window follows.
    void KeepClientSize(int before);
    int BarHeight() const;
    void OnRightClick();

    wxFrame& frame_;
    const CCommandTable& commands_;
    CAppContext& context_;
    ToolbarLayout layout_;
    CToolBarEx* bar_ = nullptr;
};

}  // namespace vk
