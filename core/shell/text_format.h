#pragma once
#include <string>

namespace vk {

// printf-style formatting of the program's message texts into a std::string.
std::string FormatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Line feeds become blanks and carriage returns vanish, as system error texts are shown.
std::string FoldSystemText(const std::string& text);

// The message a failed file transfer shows: what failed, the system's reason, the file.
std::string FileExceptionText(const char* what, const std::string& systemText,
                              const std::string& fileName);
std::string FileExceptionShortText(const char* what, const std::string& systemText,
                                   const std::string& fileName);

}  // namespace vk
