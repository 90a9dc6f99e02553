#pragma once
#include <cstdint>
#include <string>

namespace vk {

// Bits of the `SearchOptions` setting.
constexpr std::uint32_t kSearchIgnoreCase = 1;  // compare in lower case
constexpr std::uint32_t kSearchPartText = 2;    // the text need only contain the search string

// Whether `text` matches `search` under the search options. Both are compared as the user
// sees them (UTF-8), so text from a file made on Windows matches what the user types.
bool SearchMatches(const std::string& text, const std::string& search, std::uint32_t options);

}  // namespace vk
