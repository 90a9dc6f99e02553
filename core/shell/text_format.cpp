#include "core/shell/text_format.h"

#include <cstdarg>
#include <cstdio>

#include "core/shell/messages.h"

namespace vk {

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        out.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(needed));
    }
    va_end(args);
    return out;
}

std::string FoldSystemText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            out += ' ';
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::string FileExceptionText(const char* what, const std::string& systemText,
                              const std::string& fileName) {
    return FormatText(msg::kFileExceptionFormat, what, FoldSystemText(systemText).c_str(),
                      fileName.c_str());
}

std::string FileExceptionShortText(const char* what, const std::string& systemText,
                                   const std::string& fileName) {
    return FormatText(msg::kFileExceptionShortFormat, what, FoldSystemText(systemText).c_str(),
                      fileName.c_str());
}

}  // namespace vk
