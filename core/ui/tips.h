#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vk {

// The tips of the day, in order, each a fragment of rich text (see rich_text.h).
const std::vector<std::string>& TipTexts();

// Profile keys and texts of the tip of the day.
inline constexpr const char kShowTipsKey[] = "ShowTips";
inline constexpr const char kTipPositionKey[] = "FilePos";
inline constexpr const char kTipCaption[] = "Tip of the Day";
inline constexpr const char kDidYouKnow[] = "Did you know...";

// Walks the tips: the position names the next tip to show.
class CTipCursor {
  public:
    // Starts at a stored position; anything outside the table starts at the first tip.
    explicit CTipCursor(std::int64_t storedPosition) : position_(storedPosition) {}

    // The tip at the position, which then moves on by one (past the last it starts over).
    const std::string& Next();
    // The position to store: the next tip to show.
    std::uint32_t Position() const;

  private:
    std::int64_t position_;
};

}  // namespace vk
