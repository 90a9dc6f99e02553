#include "core/editor/text_order.h"

#include "core/shell/letter_case.h"
#include "core/shell/text_encoding.h"

namespace vk {

std::string NoCaseKey(std::string_view text) {
    return LowerCaseText(TextAsUtf8(text));
}

int CompareNoCase(std::string_view a, std::string_view b) {
    return NoCaseKey(a).compare(NoCaseKey(b));
}

}  // namespace vk
