#include "platform/terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace vk {

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

std::optional<std::string> ReadHiddenLine(const std::string& prompt) {
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    (void)!::write(fd, prompt.data(), prompt.size());
    termios saved{};
    const bool canHide = ::tcgetattr(fd, &saved) == 0;
    if (canHide) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    std::string line;
    bool gotLine = false;
    for (;;) {
        char c;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (c == '\n') {
            gotLine = true;
            break;
        }
        line += c;
    }
    if (canHide) ::tcsetattr(fd, TCSAFLUSH, &saved);
    ::close(fd);
    if (!gotLine && line.empty()) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace vk
