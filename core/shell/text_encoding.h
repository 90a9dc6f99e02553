#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vk {

bool IsValidUtf8(std::string_view text);

// The number of bytes of `text` that fit into `limit` bytes. Valid UTF-8 is never cut inside
// a character; other text (a Windows code page) is cut at the byte limit.
std::size_t FitToBytes(std::string_view text, std::size_t limit);

}  // namespace vk

namespace vk {

// For text that was cut by a byte limit: the length without a character left incomplete at
// its end when the rest is UTF-8; the whole length for any other text.
std::size_t CompleteUtf8Prefix(std::string_view text);

}  // namespace vk

namespace vk {

// Text as UTF-8: valid UTF-8 stays as it is, anything else is read as Windows-1252 (the code
// page of files made on Windows), so no byte is ever dropped.
std::string TextAsUtf8(std::string_view text);

// True when `typed` names the stored text: its bytes, or the UTF-8 that TextAsUtf8 shows for
// them, so a name can be typed back as it was printed.
bool NamesStoredText(std::string_view stored, std::string_view typed);

// The characters of `text` (read as TextAsUtf8 reads it) as Unicode code points.
std::u32string CodePointsOf(std::string_view text);

}  // namespace vk
