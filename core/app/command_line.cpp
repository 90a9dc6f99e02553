#include "core/app/command_line.h"

#include <algorithm>
#include <cctype>

namespace vk {
namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

CommandLine ParseCommandLine(const std::string& arguments) {
    CommandLine result;
    const std::string text = Trim(arguments);
    if (text.empty()) return result;
    if (Lower(text) == "systray") {
        result.kind = CommandLine::Kind::kSystray;
        return result;
    }
    std::string path;
    std::copy_if(text.begin(), text.end(), std::back_inserter(path),
                 [](char c) { return c != '"'; });
    if (path.empty()) return result;
    result.kind = CommandLine::Kind::kFile;
    result.path = path;
    return result;
}

bool NamesPasswordFile(const std::string& arguments) {
    const auto dot = arguments.rfind('.');
    if (dot == std::string::npos) return false;
    return Lower(arguments.substr(dot, 3)) == ".vk";
}

StartupDecision DecideStartup(const CommandLine& commandLine, bool sysTrayIcon,
                              const std::string& filePath, bool trayAvailable) {
    StartupDecision d;
    d.addTrayIcon = sysTrayIcon;
    bool hidden = false;
    switch (commandLine.kind) {
        case CommandLine::Kind::kEmpty:
            hidden = sysTrayIcon;
            break;
        case CommandLine::Kind::kSystray:
            hidden = true;
            break;
        case CommandLine::Kind::kFile:
            hidden = false;
            break;
    }
    // A hidden start needs a file to come back to and a tray to come back from.
    if (hidden && !filePath.empty() && trayAvailable) {
        d.startHidden = true;
        d.addTrayIcon = true;
    }
    return d;
}

}  // namespace vk
