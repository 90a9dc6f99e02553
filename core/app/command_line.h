#pragma once
#include <string>

namespace vk {

// What the program was started with.
struct CommandLine {
    enum class Kind { kEmpty, kSystray, kFile };
    Kind kind = Kind::kEmpty;
    std::string path;  // with kFile: the argument with every double quote removed
};

// The argument text: "Systray" in any letter case, a file path, or nothing.
CommandLine ParseCommandLine(const std::string& arguments);

// True when the text names a password file: the three characters from its last dot are
// ".vk" in any letter case. A second copy started with such a file takes over from the first.
bool NamesPasswordFile(const std::string& arguments);

// How the program starts once it is the only copy.
struct StartupDecision {
    bool startHidden = false;  // stay in the tray; otherwise the editor opens
    bool addTrayIcon = false;
};

// `trayAvailable` is false where no tray host runs: then the program never hides, since
// nobody could reach it.
StartupDecision DecideStartup(const CommandLine& commandLine, bool sysTrayIcon,
                              const std::string& filePath, bool trayAvailable);

}  // namespace vk
