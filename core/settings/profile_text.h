#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vk {

// The text of a private profile: "[section]" lines, "key=value" lines and anything else,
// which is kept but means nothing. Sections and keys are found without regard to letter
// case and blanks around them; the first of two equal sections or keys counts.

// The value of `key` in `section` with the blanks around it removed and, when it is
// enclosed in a pair of equal quote marks, without them. Nothing when the key is missing.
std::optional<std::string> FindProfileValue(std::string_view profile, std::string_view section,
                                            std::string_view key);

// The profile with `key` in `section` set to `value` (written as it is given). The key's
// line is replaced in place, a missing key is added at the end of its section and a missing
// section at the end of the text. Every other line stays byte for byte; new lines follow
// the profile's own line ends.
std::string SetProfileValue(std::string_view profile, std::string_view section,
                            std::string_view key, std::string_view value);

}  // namespace vk
