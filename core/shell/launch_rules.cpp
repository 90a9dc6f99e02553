#include "core/shell/launch_rules.h"

#include "core/shell/letter_case.h"
#include "core/shell/shell_messages.h"
#include "core/shell/text_format.h"

namespace vk {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SchemeLength(const std::string& text) {
    if (text.empty() || !IsAsciiLetter(text[0])) return 0;
    std::size_t i = 1;
    while (i < text.size() && (IsAsciiLetter(text[i]) || IsAsciiDigit(text[i]) || text[i] == '+' ||
                               text[i] == '-' || text[i] == '.'))
        ++i;
    return i < text.size() && text[i] == ':' ? i : 0;
}

}  // namespace

LaunchKind ClassifyLaunchText(const std::string& text) {
    if (SchemeLength(text) >= 2) return LaunchKind::kWebAddress;
    if (LowerCaseText(text.substr(0, 4)) == "www.") return LaunchKind::kWebAddress;
    return LaunchKind::kDocument;
}

std::string LaunchFailedText(const std::string& text, const std::string& systemText) {
    return FormatText(msg::kLaunchFailedFormat, text.c_str(), systemText.c_str());
}

std::string BrowserCommandLine(const std::string& command, const std::string& address) {
    std::size_t cut = command.find("\"%1\"");
    if (cut == std::string::npos) cut = command.find("%1");
    return command.substr(0, cut) + ' ' + address;
}

}  // namespace vk
