#pragma once
#include <wx/gdicmn.h>

#include <functional>
#include <memory>

namespace vk {

class CAppContext;
class CPasteToApplication;
class CQuickAccessDlg;
class CX11DesktopWindows;
class CX11KeyTyper;

// The quick-access dialog with the desktop services behind it: made on first use, kept
// (hidden) until the program ends.
class CQuickAccess {
  public:
    CQuickAccess(CAppContext& context, std::function<void()> showEditor,
                 std::function<bool()> trayMenuOpen);
    ~CQuickAccess();

    // Shows the dialog in front; the first time beside the panel under `clickPoint`.
    void Show(const wxPoint& clickPoint);
    void Hide();
    void RequestRefresh();
    void RebuildNow();
    void ApplyTransparency();
    void ApplySkin();

    // Null until first shown.
    CQuickAccessDlg* Dialog() const { return dialog_; }

  private:
    CAppContext& context_;
    std::function<void()> showEditor_;
    std::function<bool()> trayMenuOpen_;
    std::unique_ptr<CX11DesktopWindows> desktop_;
    std::unique_ptr<CX11KeyTyper> typer_;
    std::unique_ptr<CPasteToApplication> paste_;
    CQuickAccessDlg* dialog_ = nullptr;
};

}  // namespace vk
