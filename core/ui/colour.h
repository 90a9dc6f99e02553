#pragma once
#include <cstdint>

namespace vk {

// A colour as the system packs it: red in byte 0, green in byte 1, blue in byte 2.
using PackedRgb = std::uint32_t;
// Hue (0-255 for 0-360 degrees) in byte 0, lightness in byte 1, saturation in byte 2.
using PackedHls = std::uint32_t;

constexpr PackedRgb MakeRgb(int red, int green, int blue) {
    return static_cast<PackedRgb>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(PackedRgb c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(PackedRgb c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(PackedRgb c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr PackedHls MakeHls(int hue, int lightness, int saturation) {
    return MakeRgb(hue, lightness, saturation);
}
constexpr int HueOf(PackedHls c) {
    return RedOf(c);
}
constexpr int LightnessOf(PackedHls c) {
    return GreenOf(c);
}
constexpr int SaturationOf(PackedHls c) {
    return BlueOf(c);
}

// The skin's shades are worked out in single precision, step by step, so that every colour
// comes out the same on every machine; pure red goes to hue 255 and back to (254, 0, 0).
PackedHls RgbToHls(PackedRgb colour);
PackedRgb HlsToRgb(PackedHls colour);

// `colour` made lighter (percent > 0, 100 = white) or darker (< 0, -100 = black), and more or
// less saturated the same way. Percentages outside -100..100 are taken as the nearest end.
PackedRgb AdjustColour(PackedRgb colour, int lightnessPercent, int saturationPercent);

// The colours of the program's skin.
inline constexpr PackedRgb kSkinDialogBackground = MakeRgb(240, 240, 248);
inline constexpr PackedRgb kReportBarColour = MakeRgb(240, 240, 240);

}  // namespace vk
