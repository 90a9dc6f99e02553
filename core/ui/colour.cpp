#include "core/ui/colour.h"

#include <algorithm>

namespace vk {
namespace {

// Truncation towards zero, taken to 8 bits as the packed value keeps it.
int ToByte(float value) {
    return static_cast<int>(static_cast<long long>(value)) & 0xFF;
}

float ChannelValue(float m1, float m2, float h) {
    if (h > 360.0f) h -= 360.0f;
    if (h < 0.0f) h += 360.0f;
    if (h < 60.0f) return m1 + (m2 - m1) * h / 60.0f;
    if (h < 180.0f) return m2;
    if (h < 240.0f) return m1 + (m2 - m1) * (240.0f - h) / 60.0f;
    return m1;
}

int AdjustPart(int value, int percent) {
    percent = std::clamp(percent, -100, 100);
    if (percent > 0) return (value + (255 - value) * percent / 100) & 0xFF;
    if (percent < 0) return ((100 + percent) * value / 100) & 0xFF;
    return value;
}

}  // namespace

PackedHls RgbToHls(PackedRgb colour) {
    const float r = static_cast<float>(RedOf(colour));
    const float g = static_cast<float>(GreenOf(colour));
    const float b = static_cast<float>(BlueOf(colour));
    const float mx = std::max({r, g, b});
    const float mn = std::min({r, g, b});
    const float l = (mx + mn) / 510.0f;
    float s = 0.0f;
    float h = 0.0f;
    if (mx != mn) {
        const float d = mx - mn;
        s = l <= 0.5f ? d / (mx + mn) : d / (510.0f - mx - mn);
        const float rc = (mx - r) / d;
        const float gc = (mx - g) / d;
        const float bc = (mx - b) / d;
        // On ties a later rule overrides an earlier one.
        if (r == mx) h = (bc + 6.0f - gc) * 60.0f;
        if (g == mx) h = (rc + 2.0f - bc) * 60.0f;
        if (b == mx) h = (gc + 4.0f - rc) * 60.0f;
        if (h > 360.0f) h -= 360.0f;
    }
    return MakeHls(ToByte(h * 255.0f / 360.0f), ToByte(l * 255.0f), ToByte(s * 255.0f));
}

PackedRgb HlsToRgb(PackedHls colour) {
    const int lightness = LightnessOf(colour);
    const float h = static_cast<float>(HueOf(colour)) * 360.0f / 255.0f;
    const float l = static_cast<float>(lightness) / 255.0f;
    const float s = static_cast<float>(SaturationOf(colour)) / 255.0f;
    if (s == 0.0f) return MakeRgb(lightness, lightness, lightness);
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    return MakeRgb(ToByte(ChannelValue(m1, m2, h + 120.0f) * 255.0f),
                   ToByte(ChannelValue(m1, m2, h) * 255.0f),
                   ToByte(ChannelValue(m1, m2, h - 120.0f) * 255.0f));
}

PackedRgb AdjustColour(PackedRgb colour, int lightnessPercent, int saturationPercent) {
    const PackedHls hls = RgbToHls(colour);
    return HlsToRgb(MakeHls(HueOf(hls), AdjustPart(LightnessOf(hls), lightnessPercent),
                            AdjustPart(SaturationOf(hls), saturationPercent)));
}

}  // namespace vk
