#include "platform/xdg_autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/shell/messages.h"
#include "core/shell/text_encoding.h"
#include "platform/program_folder.h"

namespace vk {
namespace {

constexpr char kEntryFileName[] = "Vaultkeep.desktop";

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string AutostartFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/autostart";
    const char* home = std::getenv("HOME");
    if (home && home[0]) return std::string(home) + "/.config/autostart";
    return "";
}

std::string DesktopExecArgument(const std::string& argument) {
    // Inside the quotes '"', '`', '$' and '\' take a backslash; then the whole value gets
    // the string escapes, which double every backslash once more. '%' starts a field code.
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else
            value += c;
    }
    return value;
}

std::string AutostartEntryText(const std::string& programPath) {
    if (programPath.empty() || !IsValidUtf8(programPath)) return "";
    for (unsigned char c : programPath)
        if (c < 0x20 || c == 0x7F) return "";
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += std::string("Name=") + msg::kProgramName + "\n";
    text += std::string("Comment=") + msg::kProgramName + "\n";
    text += "Exec=" + DesktopExecArgument(programPath) + " Systray\n";
    text += "Terminal=false\n";
    text += "X-GNOME-Autostart-enabled=true\n";
    return text;
}

CXdgAutostartEntry::CXdgAutostartEntry(std::string programPath, std::string autostartFolder)
    : programPath_(std::move(programPath)), folder_(std::move(autostartFolder)) {
    if (!folder_.empty()) filePath_ = folder_ + "/" + kEntryFileName;
}

CXdgAutostartEntry::CXdgAutostartEntry()
    : CXdgAutostartEntry(ExecutablePath(), AutostartFolder()) {}

bool CXdgAutostartEntry::IsAvailable() {
    return !filePath_.empty();
}

bool CXdgAutostartEntry::Write() {
    const std::string text = AutostartEntryText(programPath_);
    if (text.empty() || filePath_.empty() || !MakeFolders(folder_, 0700)) return false;
    // Write beside and rename, so a desktop reading the folder never sees half an entry.
    std::string temp = filePath_ + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, text) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), filePath_.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

void CXdgAutostartEntry::Remove() {
    if (!filePath_.empty()) ::unlink(filePath_.c_str());
}

}  // namespace vk
