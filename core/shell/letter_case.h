#pragma once
#include <string>
#include <string_view>

namespace vk {

// The text in lower case, in the text's own encoding: ASCII letters always; in UTF-8 text
// also the Latin, Greek and Cyrillic capitals of the two-byte range; in other text (a
// Windows code page) the Western European capitals of Windows-1252.
std::string LowerCaseText(std::string_view text);

// The text in upper case: the same letters as LowerCaseText, the other way round.
std::string UpperCaseText(std::string_view text);

}  // namespace vk
