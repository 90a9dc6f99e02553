#include "core/settings/stored_value.h"

#include <limits>

#include "core/shell/text_encoding.h"

namespace vk {

std::string CutStoredText(std::string_view text) {
    const std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos) text = text.substr(0, zero);
    return std::string(text.substr(0, FitToBytes(text, kStoredTextBytes - 1)));
}

std::optional<std::int64_t> ParseStoredNumber(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t firstDigit = i;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::uint64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
        ++i;
    }
    if (i == firstDigit) return std::nullopt;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i != text.size()) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(value);
    return negative ? -magnitude : magnitude;
}

std::string NumberedName(const char* stem, unsigned number) {
    return std::string(stem) + std::to_string(number);
}

}  // namespace vk
