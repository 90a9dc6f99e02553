#pragma once
#include <string>

namespace vk {

enum class LaunchKind {
    kWebAddress,  // goes to the web browser (or the mail program for "mailto:")
    kDocument,    // opened with the application the desktop associates with it
};

// A text with a scheme ("https:", "mailto:", at least two letters so that "C:" stays a
// drive) or starting with "www." is an address; anything else names a document.
LaunchKind ClassifyLaunchText(const std::string& text);

// The message a failed launch shows.
std::string LaunchFailedText(const std::string& text, const std::string& systemText);

// The browser's registered command line made to open `address`: the line is cut before
// its "%1" placeholder (before the opening quote mark when the placeholder is quoted), then
// a blank and the address follow.
std::string BrowserCommandLine(const std::string& command, const std::string& address);

}  // namespace vk
