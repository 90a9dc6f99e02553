// The skin's colour arithmetic, the group frame's gradient and the bitmap button's looks.
#include <gtest/gtest.h>

#include <vector>

#include "core/ui/colour.h"
#include "core/ui/group_frame.h"
#include "core/ui/skin_button_look.h"

namespace vk {
namespace {

TEST(SkinColour, ConvertsBetweenRgbAndHlsWithTheProgramsArithmetic) {
    struct Case {
        PackedRgb rgb;
        PackedHls hls;
        PackedRgb back;
    };
    const Case cases[] = {
        // Hue 360 degrees stays 255; lightness 127.5 truncates, so red comes back one darker.
        {MakeRgb(255, 0, 0), MakeHls(255, 127, 255), MakeRgb(254, 0, 0)},
        {MakeRgb(240, 240, 248), MakeHls(170, 244, 92), MakeRgb(240, 240, 247)},
        {MakeRgb(128, 128, 128), MakeHls(0, 128, 0), MakeRgb(128, 128, 128)},
        {MakeRgb(0, 0, 0), MakeHls(0, 0, 0), MakeRgb(0, 0, 0)},
        {MakeRgb(255, 255, 255), MakeHls(0, 255, 0), MakeRgb(255, 255, 255)},
        // Green and blue maxima; ties go to the later rule (blue over green).
        {MakeRgb(0, 255, 0), MakeHls(85, 127, 255), MakeRgb(0, 254, 0)},
        {MakeRgb(0, 255, 255), MakeHls(127, 127, 255), MakeRgb(0, 254, 251)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.rgb);
        EXPECT_EQ(RgbToHls(c.rgb), c.hls);
        EXPECT_EQ(HlsToRgb(c.hls), c.back);
    }
    // Saturation 0 is the grey of its lightness whatever the hue.
    for (int hue : {0, 17, 128, 255}) EXPECT_EQ(HlsToRgb(MakeHls(hue, 77, 0)), MakeRgb(77, 77, 77));
}

TEST(SkinColour, AdjustGoesToWhiteAndBlackAtTheEnds) {
    for (PackedRgb c :
         {MakeRgb(255, 0, 0), MakeRgb(12, 200, 99), MakeRgb(240, 240, 248), MakeRgb(0, 0, 0)}) {
        EXPECT_EQ(AdjustColour(c, 100, 0), MakeRgb(255, 255, 255));
        EXPECT_EQ(AdjustColour(c, -100, 0), MakeRgb(0, 0, 0));
        EXPECT_EQ(AdjustColour(c, 250, 0), MakeRgb(255, 255, 255));  // taken as 100
    }
    // Without a change the colour only goes through the conversion.
    EXPECT_EQ(AdjustColour(MakeRgb(255, 0, 0), 0, 0), MakeRgb(254, 0, 0));
    // Halfway to white: lightness 127 + 128 * 50 / 100 = 191; then desaturated fully.
    EXPECT_EQ(LightnessOf(RgbToHls(AdjustColour(MakeRgb(255, 0, 0), 50, 0))), 191);
    EXPECT_EQ(AdjustColour(MakeRgb(255, 0, 0), 0, -100), MakeRgb(127, 127, 127));
}

TEST(SkinGroupFrame, GradientRunsFromWhiteToBlueAlongTheDiagonals) {
    EXPECT_EQ(GroupFrameGradientColour(0, 100, 50), MakeRgb(255, 255, 255));
    EXPECT_EQ(GroupFrameGradientColour(150, 100, 50), MakeRgb(128, 128, 255));
    EXPECT_EQ(GroupFrameGradientColour(75, 100, 50), MakeRgb(192, 192, 255));  // 255 - 63
    EXPECT_EQ(GroupFrameGradientColour(-5, 100, 50), MakeRgb(255, 255, 255));
    EXPECT_EQ(GroupFrameGradientColour(5, 0, 0), MakeRgb(255, 255, 255));

    const auto pixels = GroupFrameGradient(4, 3);
    ASSERT_EQ(pixels.size(), 4u * 3u * 3u);
    // Pixel (3, 0) and (0, 3 - 0) lie on the same diagonal as (1, 2).
    auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>((y * 4 + x) * 3)]; };
    EXPECT_EQ(at(0, 0), 255);
    EXPECT_EQ(at(3, 0), at(1, 2));
    EXPECT_EQ(at(3, 2), 255 - 5 * 127 / 7);
    EXPECT_EQ(pixels[2], 255);  // blue is always full
    EXPECT_TRUE(GroupFrameGradient(0, 10).empty());
    EXPECT_TRUE(GroupFrameGradient(10, -1).empty());
}

TEST(SkinButton, LookFollowsPointerPressAndState) {
    using B = SkinButtonBitmap;
    using S = SkinButtonState;
    using R = SkinButtonBorder;
    struct Case {
        std::vector<bool S::*> set;
        B bitmap;
        R border;
        bool frame;
    };
    const Case cases[] = {
        {{}, B::kNormal, R::kRaised, false},
        {{&S::hot}, B::kHot, R::kRaised, false},
        {{&S::pressed, &S::focused}, B::kHot, R::kSunken, true},
        {{&S::disabled, &S::hot}, B::kNormal, R::kRaised, false},
        {{&S::disabled, &S::hot, &S::hasDisabledBitmap}, B::kDisabled, R::kRaised, false},
        {{&S::checkStyle, &S::checked}, B::kHot, R::kSunken, false},
        {{&S::checkStyle, &S::hot}, B::kNormal, R::kRaised, false},
        {{&S::flat, &S::focused}, B::kNormal, R::kNone, false},
        {{&S::flat, &S::focused, &S::hot, &S::borderWhenFlat}, B::kHot, R::kRaised, false},
        {{&S::isDefault}, B::kNormal, R::kRaised, true},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        S state;
        for (bool S::*flag : c.set) state.*flag = true;
        const SkinButtonLook look = SkinButtonLookOf(state);
        EXPECT_EQ(look.bitmap, c.bitmap);
        EXPECT_EQ(look.border, c.border);
        EXPECT_EQ(look.blackFrame, c.frame);
    }
}

}  // namespace
}  // namespace vk
