#pragma once
#include <string>

namespace vk {

class CPasswordStore;

// A file is open and was read to its end: only then may it be saved.
bool StoreCanBeSaved(const CPasswordStore& store);

// "<file name> - Vaultkeep " or "No file selected - Vaultkeep ".
std::string MainWindowTitle(const CPasswordStore& store);

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const WindowRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// Pulls a remembered rectangle inside the work area: left and top not before the area's,
// right and bottom not beyond it.
WindowRect ClampToWorkArea(const WindowRect& rect, const WindowRect& workArea);

}  // namespace vk
