#pragma once
#include <cstdint>
#include <vector>

#include "core/ui/colour.h"

namespace vk {

// The group frame's background: diagonal lines from white at the top-left corner to
// RGB(128, 128, 255) at the bottom-right. The line at distance d (x + y) from the corner has
// the colour (c, c, 255) with c = 255 - d * 127 / (width + height).
PackedRgb GroupFrameGradientColour(int distance, int width, int height);

// The whole background as red, green, blue bytes, row by row; empty for an empty size.
std::vector<std::uint8_t> GroupFrameGradient(int width, int height);

// The frame's style flags.
enum GroupFrameFlags : unsigned {
    kGroupFrameGradient = 1,  // the gradient background, clipped to a rounded rectangle
    kGroupFrameRounded = 2,   // a rounded etched frame with the caption
};

}  // namespace vk
