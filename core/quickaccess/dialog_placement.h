#pragma once
#include <optional>

namespace vk {

// A screen rectangle: left and top inside, right and bottom just outside.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
};

enum class TaskbarEdge { kLeft, kTop, kRight, kBottom };

// The screen edge a panel holding the tray icon lies along: the nearer of top and bottom,
// unless the panel is at least twice as tall as wide; then the nearer of left and right.
TaskbarEdge DockEdge(const ScreenRect& dock, const ScreenRect& screen);

// Where the quick-access dialog of `width` x `height` goes: beside the taskbar on its edge,
// against the far end of the work area.
ScreenPoint PlaceQuickAccess(TaskbarEdge edge, const ScreenRect& taskbar,
                             const ScreenRect& workArea, int width, int height);

// The same, for a panel found on screen; without one the dialog sits in the bottom right
// corner of the work area.
ScreenPoint PlaceQuickAccessBeside(const std::optional<ScreenRect>& dock, const ScreenRect& screen,
                                   const ScreenRect& workArea, int width, int height);

// Where a window of `width` x `height` opened over the quick-access dialog `dialog` goes, so
// that the dialog and what the window does to it stay in sight: beside it on the side with
// more room, level with its top; else above or below it; always inside the work area.
ScreenPoint PlaceBesideQuickAccess(const ScreenRect& dialog, const ScreenRect& workArea, int width,
                                   int height);

}  // namespace vk
