#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vk {

// A stretch of text in one style. Paragraph ends are "\n" in the text.
struct TextRun {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool operator==(const TextRun& o) const {
        return text == o.text && bold == o.bold && italic == o.italic;
    }
};

// Reads the small rich-text language of the tips: "\b" and "\b0" start and end bold, "\i" and
// "\i0" italic, "\par" ends a paragraph, "\plain" ends both styles; a control word ends at
// the first character that is no letter or digit, and one blank after it belongs to it.
// "\\", "\{" and "\}" stand for themselves, "\'hh" for the byte hh (in the Windows code page,
// given back as UTF-8), "\~" for a non-breaking space. Braces and unknown control words are
// left out. Neighbouring runs of the same style are joined.
std::vector<TextRun> ReadRichText(std::string_view source);

}  // namespace vk
