#pragma once
#include <array>
#include <cstdint>

#include "core/quickaccess/dialog_placement.h"

namespace vk {

// Option bits of a balloon.
namespace balloon {
inline constexpr std::uint32_t kCloseOnLeftUp = 0x0001;
inline constexpr std::uint32_t kCloseOnMiddleUp = 0x0002;
inline constexpr std::uint32_t kCloseOnRightUp = 0x0004;
inline constexpr std::uint32_t kCloseOnLeftDown = 0x0008;
inline constexpr std::uint32_t kCloseOnMiddleDown = 0x0010;
inline constexpr std::uint32_t kCloseOnRightDown = 0x0020;
inline constexpr std::uint32_t kCloseOnMouseMove = 0x0040;
inline constexpr std::uint32_t kCloseOnKeyDown = 0x0080;
inline constexpr std::uint32_t kDelayClose = 0x0100;
inline constexpr std::uint32_t kShowCloseButton = 0x0400;
inline constexpr std::uint32_t kRaisedFrame = 0x0800;
inline constexpr std::uint32_t kTopmost = 0x1000;
inline constexpr std::uint32_t kNoShadow = 0x2000;
inline constexpr std::uint32_t kNoFadeIn = 0x4000;
inline constexpr std::uint32_t kNoFadeOut = 0x8000;
// Every event bit that the delay option turns into the start of the timeout.
inline constexpr std::uint32_t kMouseCloseBits = 0x007F;

// What the notes of a record are shown with.
inline constexpr std::uint32_t kNotesOptions = kTopmost | kNoFadeIn | kNoFadeOut | kCloseOnLeftDown;
}  // namespace balloon

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What a balloon shows, measured by the toolkit.
struct BalloonContent {
    PixelSize icon;         // 0 x 0 without an icon
    PixelSize closeButton;  // 0 x 0 without a close button
    PixelSize title;
    PixelSize content;
};

// Where a balloon goes and how it is shaped, in the window's own coordinates except `window`.
struct BalloonLayout {
    ScreenRect window;                // on screen
    ScreenRect body;                  // the rounded rectangle
    std::array<ScreenPoint, 3> tail;  // base, tip, base
    bool tailAtTop = false;
    bool tailOnRight = false;
    ScreenPoint iconAt;
    ScreenPoint titleAt;
    ScreenPoint contentAt;
    ScreenPoint closeButtonAt;
};

inline constexpr int kBalloonTailHeight = 20;
inline constexpr int kBalloonMargin = 8;
inline constexpr int kBalloonCornerDiameter = 24;

// Sizes the balloon, points its tail's tip at `anchor` and keeps it inside `workArea` (the
// work area of the monitor nearest the anchor).
BalloonLayout LayOutBalloon(const BalloonContent& content, ScreenPoint anchor,
                            const ScreenRect& workArea);

// How many lines of content, each `lineHeight` tall, a balloon whose header (icon, title,
// close button) is `headerHeight` tall can show inside `workArea`; at least one.
int BalloonLinesThatFit(int headerHeight, int lineHeight, const ScreenRect& workArea);

enum class BalloonEvent {
    kLeftDown,
    kLeftUp,
    kMiddleDown,
    kMiddleUp,
    kRightDown,
    kRightUp,
    kKeyDown,
};

enum class BalloonAction { kNone, kClose, kStartTimeout };

// What an event does to a balloon with `options`. With the delay option the first closing
// event clears the mouse bits and the delay bit and starts the timeout instead.
BalloonAction BalloonReaction(std::uint32_t& options, BalloonEvent event);

// With kCloseOnMouseMove: whether the pointer left the square of `hoverWidth` around where it
// was when the balloon opened.
BalloonAction BalloonReactionToMove(std::uint32_t& options, ScreenPoint opened, ScreenPoint now,
                                    int hoverWidth);

}  // namespace vk
