#include "core/shell/text_rules.h"

#include "core/shell/shell_messages.h"

namespace vk {

std::string RemoveEnclosingQuotes(const std::string& text) {
    // A lone quote mark starts and ends the text, but encloses nothing.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

std::string AddEnclosingQuotes(const std::string& text) {
    if (text.empty() || text.front() == '"') return text;
    return '"' + text + '"';
}

std::string MenuTextOfName(const std::string& name) {
    std::string out;
    out.reserve(name.size() + 4);
    for (char c : name) {
        // A control character would end the label early or, as a tab, start an accelerator.
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7F ? ' ' : c;
        if (c == '&') out += '&';
    }
    return out;
}

std::string CategoryName(long category, const std::vector<std::string>& names) {
    if (category < 1 || category > 4 || static_cast<std::size_t>(category) > names.size())
        return msg::kInvalidColumn;
    return names[static_cast<std::size_t>(category - 1)];
}

}  // namespace vk
