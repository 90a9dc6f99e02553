#include "gui/ui/wx_text.h"

#include "core/shell/text_encoding.h"

namespace vk {

wxString ToWx(const std::string& text) {
    return wxString::FromUTF8(TextAsUtf8(text));
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

}  // namespace vk
