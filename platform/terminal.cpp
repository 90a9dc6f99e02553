#include "platform/terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace vk {

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

namespace {

std::atomic<int> interruptedBy{0};

extern "C" void NoteInterrupt(int signal) {
    interruptedBy = signal;
}

// While echo is off, the signals that end a program at the terminal only interrupt the read:
// the terminal gets its echo back before the signal takes its usual course.
class InterruptsNoted {
  public:
    InterruptsNoted() {
        interruptedBy = 0;
        struct sigaction action {};
        action.sa_handler = NoteInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;  // no restart: the read returns
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            ::sigaction(kSignals[i], &action, &saved_[i]);
            if (saved_[i].sa_handler == SIG_IGN) ::sigaction(kSignals[i], &saved_[i], nullptr);
        }
    }
    ~InterruptsNoted() {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &saved_[i], nullptr);
        if (const int signal = interruptedBy) ::raise(signal);
    }
    InterruptsNoted(const InterruptsNoted&) = delete;
    InterruptsNoted& operator=(const InterruptsNoted&) = delete;

  private:
    static constexpr std::array<int, 4> kSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};
    std::array<struct sigaction, 4> saved_{};
};

}  // namespace

std::optional<std::string> ReadHiddenLine(const std::string& prompt) {
    const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    (void)!::write(fd, prompt.data(), prompt.size());
    const InterruptsNoted interrupts;  // restores the handlers after the terminal
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
        if (n < 0 && errno == EINTR && !interruptedBy) continue;
        if (n <= 0) break;
        if (c == '\n') {
            gotLine = true;
            break;
        }
        line += c;
    }
    if (canHide) ::tcsetattr(fd, TCSAFLUSH, &saved);
    ::close(fd);
    if (interruptedBy) {
        std::fill(line.begin(), line.end(), '\0');
        return std::nullopt;
    }
    if (!gotLine && line.empty()) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace vk
