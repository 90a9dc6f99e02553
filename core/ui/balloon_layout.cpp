#include "core/ui/balloon_layout.h"

#include <algorithm>
#include <cstdlib>

namespace vk {

BalloonLayout LayOutBalloon(const BalloonContent& c, ScreenPoint anchor,
                            const ScreenRect& workArea) {
    const bool hasIcon = c.icon.width > 0;
    const bool hasText = c.title.width > 0 || c.content.width > 0;
    const int iconWidth = c.icon.width + (hasIcon && hasText ? kBalloonMargin : 0);
    const int closeWidth = c.closeButton.width > 0 ? c.closeButton.width + kBalloonMargin : 0;
    const int headerWidth = iconWidth + closeWidth + c.title.width;
    const int headerHeight = std::max({c.icon.height, c.closeButton.height, c.title.height});
    const int bodyWidth = std::max(headerWidth, c.content.width);
    const int bodyHeight = headerHeight + c.content.height + kBalloonMargin;
    const int width = bodyWidth + 2 * kBalloonMargin;
    const int height = bodyHeight + 2 * kBalloonMargin + kBalloonTailHeight;

    BalloonLayout l;
    l.tailAtTop = 2 * anchor.y < workArea.top + workArea.bottom;
    l.tailOnRight = 2 * anchor.x >= workArea.left + workArea.right;
    const int bodyTop = l.tailAtTop ? kBalloonTailHeight : 0;
    l.body = {0, bodyTop, width, bodyTop + height - kBalloonTailHeight};

    // The tail stands a quarter of the width in from its side, its base on the body's edge.
    const int tipX = l.tailOnRight ? width * 3 / 4 : width / 4;
    const int halfBase = kBalloonTailHeight / 2;
    const int lowX = std::max(kBalloonMargin, std::min(tipX - halfBase, width - kBalloonMargin));
    const int highX = std::max(kBalloonMargin, std::min(tipX + halfBase, width - kBalloonMargin));
    const int baseY = l.tailAtTop ? l.body.top : l.body.bottom;
    const int tipY = l.tailAtTop ? 0 : height;
    // The tip leans towards the side the tail is on, like a speech bubble's.
    const int tipAtX = l.tailOnRight ? highX : lowX;
    l.tail = {ScreenPoint{lowX, baseY}, ScreenPoint{tipAtX, tipY}, ScreenPoint{highX, baseY}};

    int x = anchor.x - tipAtX;
    int y = anchor.y - tipY;
    x = std::max(workArea.left, std::min(x, workArea.right - width));
    y = std::max(workArea.top, std::min(y, workArea.bottom - height));
    l.window = {x, y, x + width, y + height};

    const int inner = bodyTop + kBalloonMargin;
    l.iconAt = {kBalloonMargin, inner};
    l.titleAt = {kBalloonMargin + iconWidth, inner};
    l.closeButtonAt = {width - kBalloonMargin - c.closeButton.width, inner};
    l.contentAt = {kBalloonMargin, inner + headerHeight + kBalloonMargin};
    return l;
}

int BalloonLinesThatFit(int headerHeight, int lineHeight, const ScreenRect& workArea) {
    // The window is the header and the content plus three margins and the tail.
    const int room = workArea.Height() - headerHeight - 3 * kBalloonMargin - kBalloonTailHeight;
    return std::max(1, room / std::max(1, lineHeight));
}

namespace {

std::uint32_t BitOf(BalloonEvent event) {
    switch (event) {
        case BalloonEvent::kLeftUp:
            return balloon::kCloseOnLeftUp;
        case BalloonEvent::kMiddleUp:
            return balloon::kCloseOnMiddleUp;
        case BalloonEvent::kRightUp:
            return balloon::kCloseOnRightUp;
        case BalloonEvent::kLeftDown:
            return balloon::kCloseOnLeftDown;
        case BalloonEvent::kMiddleDown:
            return balloon::kCloseOnMiddleDown;
        case BalloonEvent::kRightDown:
            return balloon::kCloseOnRightDown;
        case BalloonEvent::kKeyDown:
            return balloon::kCloseOnKeyDown;
    }
    return 0;
}

BalloonAction CloseOrDelay(std::uint32_t& options) {
    if (!(options & balloon::kDelayClose)) return BalloonAction::kClose;
    options &= ~(balloon::kMouseCloseBits | balloon::kDelayClose);
    return BalloonAction::kStartTimeout;
}

}  // namespace

BalloonAction BalloonReaction(std::uint32_t& options, BalloonEvent event) {
    if (!(options & BitOf(event))) return BalloonAction::kNone;
    return CloseOrDelay(options);
}

BalloonAction BalloonReactionToMove(std::uint32_t& options, ScreenPoint opened, ScreenPoint now,
                                    int hoverWidth) {
    if (!(options & balloon::kCloseOnMouseMove)) return BalloonAction::kNone;
    if (std::abs(now.x - opened.x) <= hoverWidth && std::abs(now.y - opened.y) <= hoverWidth)
        return BalloonAction::kNone;
    return CloseOrDelay(options);
}

}  // namespace vk
