#include "core/shell/letter_case.h"

#include "core/shell/text_encoding.h"

namespace vk {
namespace {

char32_t LowerCodePoint(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x100 && c <= 0x137) return c | 1;
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    return c;
}

char32_t UpperCodePoint(char32_t c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137) return c & ~char32_t{1};
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c : c - 1;
    if (c >= 0x14A && c <= 0x177) return c & ~char32_t{1};
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c : c - 1;
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    return c;
}

unsigned char LowerWindows1252(unsigned char c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A:
            return 0x9A;  // S with caron
        case 0x8C:
            return 0x9C;  // OE
        case 0x8E:
            return 0x9E;  // Z with caron
        case 0x9F:
            return 0xFF;  // Y with diaeresis
        default:
            return c;
    }
}

unsigned char UpperWindows1252(unsigned char c) {
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A:
            return 0x8A;
        case 0x9C:
            return 0x8C;
        case 0x9E:
            return 0x8E;
        case 0xFF:
            return 0x9F;
        default:
            return c;
    }
}

std::string ChangeCase(std::string_view text, bool upper) {
    std::string out(text);
    const bool utf8 = IsValidUtf8(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z' && !upper) {
            out[i] = static_cast<char>(c + ('a' - 'A'));
        } else if (c >= 'a' && c <= 'z' && upper) {
            out[i] = static_cast<char>(c - ('a' - 'A'));
        } else if (!utf8) {
            out[i] = static_cast<char>(upper ? UpperWindows1252(c) : LowerWindows1252(c));
        } else if ((c & 0xE0) == 0xC0 && i + 1 < out.size()) {
            // Every mapped letter and its other case are two-byte sequences.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            const char32_t code = (char32_t{c & 0x1Fu} << 6) | (next & 0x3Fu);
            const char32_t changed = upper ? UpperCodePoint(code) : LowerCodePoint(code);
            out[i] = static_cast<char>(0xC0 | (changed >> 6));
            out[i + 1] = static_cast<char>(0x80 | (changed & 0x3F));
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string LowerCaseText(std::string_view text) {
    return ChangeCase(text, false);
}

std::string UpperCaseText(std::string_view text) {
    return ChangeCase(text, true);
}

}  // namespace vk
