#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vk {

// Text values are read into a buffer of this many bytes, the terminating zero included.
constexpr std::size_t kStoredTextBytes = 260;

// A text value as the program keeps it: up to the first zero byte, and no longer than the
// read buffer allows, cut so that no UTF-8 character is split.
std::string CutStoredText(std::string_view text);

// A number stored as decimal text: optional blanks, an optional sign, digits, optional
// blanks. Anything else is not a number. Numbers too large for 64 bits stick at the limit,
// so an absurd value is still recognisably out of range.
std::optional<std::int64_t> ParseStoredNumber(std::string_view text);

// The name of a member of a numbered family ("%s%u"): "ColumnName" and 3 give "ColumnName3".
std::string NumberedName(const char* stem, unsigned number);

}  // namespace vk
