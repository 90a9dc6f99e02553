#pragma once
// Screen rectangles between the toolkit and the core's placement rules.
#include <wx/display.h>
#include <wx/gdicmn.h>

#include "core/quickaccess/dialog_placement.h"

namespace vk {

inline ScreenRect ScreenRectOf(const wxRect& r) {
    return {r.GetLeft(), r.GetTop(), r.GetRight() + 1, r.GetBottom() + 1};
}

// The display a lookup found, or the first one when it found none.
inline wxDisplay DisplayOrFirst(int found) {
    return wxDisplay(found == wxNOT_FOUND ? 0u : static_cast<unsigned>(found));
}

// The work area of the display showing `point`.
inline wxRect WorkAreaAt(const wxPoint& point) {
    return DisplayOrFirst(wxDisplay::GetFromPoint(point)).GetClientArea();
}

}  // namespace vk
