#pragma once
#include <cstdint>
#include <memory>
#include <optional>

#include "core/quickaccess/dialog_placement.h"
#include "core/quickaccess/paste_target.h"

namespace vk {

// The top-level windows of the X display, read from the window manager's stacking list
// (`_NET_CLIENT_LIST_STACKING`), else from the stacking order of the root's children. Other
// programs' properties are read with limits; windows that vanish meanwhile are skipped.
class CX11DesktopWindows : public IDesktopWindows {
  public:
    CX11DesktopWindows();
    ~CX11DesktopWindows() override;

    // False without an X display and under Wayland, where X clients see only themselves.
    bool CanReachOtherWindows() override;
    std::vector<WindowFacts> TopLevelWindows() override;
    // Asks the window manager to activate `window` (or sets the focus where none runs) and
    // waits up to a second for the keyboard focus to arrive there.
    bool Activate(std::uint64_t window) override;

    // The rectangle of the topmost visible top-level window under `point`: on a click on the
    // tray icon, the panel holding it.
    std::optional<ScreenRect> TopLevelRectAt(ScreenPoint point);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Wayland sessions, where X clients cannot see other programs' windows.
bool RunsUnderWayland();

}  // namespace vk
