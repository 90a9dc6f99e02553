#include "core/shell/search_match.h"

#include "core/shell/letter_case.h"
#include "core/shell/text_encoding.h"

namespace vk {

bool SearchMatches(const std::string& text, const std::string& search, std::uint32_t options) {
    std::string haystack = TextAsUtf8(text);
    std::string needle = TextAsUtf8(search);
    if (options & kSearchIgnoreCase) {
        haystack = LowerCaseText(haystack);
        needle = LowerCaseText(needle);
    }
    if (options & kSearchPartText) return haystack.find(needle) != std::string::npos;
    return haystack == needle;
}

}  // namespace vk
