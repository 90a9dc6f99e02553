#include "core/ui/group_frame.h"

#include <algorithm>
#include <cstddef>

namespace vk {

PackedRgb GroupFrameGradientColour(int distance, int width, int height) {
    const long long span = static_cast<long long>(std::max(width, 0)) + std::max(height, 0);
    if (span <= 0) return MakeRgb(255, 255, 255);
    const long long d = std::clamp<long long>(distance, 0, span);
    const int c = static_cast<int>(255 - d * 127 / span);
    return MakeRgb(c, c, 255);
}

std::vector<std::uint8_t> GroupFrameGradient(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const PackedRgb c = GroupFrameGradientColour(x + y, width, height);
            pixels[at++] = static_cast<std::uint8_t>(RedOf(c));
            pixels[at++] = static_cast<std::uint8_t>(GreenOf(c));
            pixels[at++] = static_cast<std::uint8_t>(BlueOf(c));
        }
    }
    return pixels;
}

}  // namespace vk
