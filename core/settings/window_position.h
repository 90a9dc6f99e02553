#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vk {

// The main window's rectangle in screen pixels.
struct WindowRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    bool operator==(const WindowRect& o) const {
        return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
    }
};

// No screen is this large; keeping stored coordinates below it keeps the arithmetic of
// moving and clamping the window far from overflow.
constexpr int kMaxWindowCoordinate = 1000000;

// "top,left,bottom,right" as four decimal numbers. Anything else gives nothing; a negative
// number reads as 0 and a larger one than any screen as kMaxWindowCoordinate.
std::optional<WindowRect> ParseWindowPosition(std::string_view text);

// "%u,%u,%u,%u" of top, left, bottom and right, each value below 1 written as 0.
std::string FormatWindowPosition(const WindowRect& rect);

}  // namespace vk
