#pragma once
#include <string>
#include <string_view>

namespace vk {

// The key by which texts are put in order ignoring letter case: the text as UTF-8 (text from
// a Windows code page converted), in lower case. Keys compare byte by byte.
std::string NoCaseKey(std::string_view text);

// Orders two texts by their keys: negative, zero or positive.
int CompareNoCase(std::string_view a, std::string_view b);

}  // namespace vk
