#include "core/quickaccess/dialog_placement.h"

#include <algorithm>

namespace vk {

TaskbarEdge DockEdge(const ScreenRect& dock, const ScreenRect& screen) {
    // Twice the distances to the screen's edges, so that no division rounds.
    if (dock.Height() >= 2 * dock.Width()) {
        const int centre = dock.left + dock.right;
        return centre < screen.left + screen.right ? TaskbarEdge::kLeft : TaskbarEdge::kRight;
    }
    const int centre = dock.top + dock.bottom;
    return centre < screen.top + screen.bottom ? TaskbarEdge::kTop : TaskbarEdge::kBottom;
}

ScreenPoint PlaceQuickAccess(TaskbarEdge edge, const ScreenRect& taskbar,
                             const ScreenRect& workArea, int width, int height) {
    switch (edge) {
        case TaskbarEdge::kLeft:
            return {taskbar.right, workArea.bottom - height};
        case TaskbarEdge::kTop:
            return {workArea.right - width, taskbar.bottom};
        case TaskbarEdge::kRight:
            return {taskbar.left - width, workArea.bottom - height};
        case TaskbarEdge::kBottom:
            break;
    }
    return {workArea.right - width, taskbar.top - height};
}

ScreenPoint PlaceQuickAccessBeside(const std::optional<ScreenRect>& dock, const ScreenRect& screen,
                                   const ScreenRect& workArea, int width, int height) {
    if (!dock) return {workArea.right - width, workArea.bottom - height};
    ScreenPoint at = PlaceQuickAccess(DockEdge(*dock, screen), *dock, workArea, width, height);
    // A panel reported partly off screen must not carry the dialog out of sight.
    at.x = std::max(screen.left, std::min(at.x, screen.right - width));
    at.y = std::max(screen.top, std::min(at.y, screen.bottom - height));
    return at;
}

ScreenPoint PlaceBesideQuickAccess(const ScreenRect& dialog, const ScreenRect& workArea, int width,
                                   int height) {
    const auto inside = [&](ScreenPoint at) {
        at.x = std::max(workArea.left, std::min(at.x, workArea.right - width));
        at.y = std::max(workArea.top, std::min(at.y, workArea.bottom - height));
        return at;
    };
    const int left = dialog.left - workArea.left;
    const int right = workArea.right - dialog.right;
    const int above = dialog.top - workArea.top;
    const int below = workArea.bottom - dialog.bottom;
    const ScreenPoint beside{left >= right ? dialog.left - width : dialog.right, dialog.top};
    if (std::max(left, right) >= width || std::max(above, below) < height) return inside(beside);
    return inside({dialog.right - width, below >= above ? dialog.bottom : dialog.top - height});
}

}  // namespace vk
