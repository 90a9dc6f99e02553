#include "core/settings/window_position.h"

#include <algorithm>

#include "core/settings/stored_value.h"

namespace vk {

std::optional<WindowRect> ParseWindowPosition(std::string_view text) {
    int values[4] = {};
    std::size_t place = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',', place) : text.size();
        if (comma == std::string_view::npos) return std::nullopt;
        const auto number = ParseStoredNumber(text.substr(place, comma - place));
        if (!number) return std::nullopt;
        values[i] = static_cast<int>(std::clamp<std::int64_t>(*number, 0, kMaxWindowCoordinate));
        place = comma + 1;
    }
    return WindowRect{values[0], values[1], values[2], values[3]};
}

std::string FormatWindowPosition(const WindowRect& rect) {
    auto part = [](int value) { return std::to_string(value < 1 ? 0 : value); };
    return part(rect.top) + "," + part(rect.left) + "," + part(rect.bottom) + "," +
           part(rect.right);
}

}  // namespace vk
