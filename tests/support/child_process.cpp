#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace vk::test {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& input) {
    int out[2], in[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(in, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(in[0]);
    if (!input.empty() && ::write(in[1], input.data(), input.size()) < 0)
        throw std::runtime_error("write failed");
    ::close(in[1]);
    out_ = out[0];
}

ChildProcess::~ChildProcess() {
    if (!HasEnded()) {
        Signal(SIGKILL);
        Wait();
    }
    if (out_ >= 0) ::close(out_);
}

bool ChildProcess::Fill(int timeoutMs) {
    if (out_ < 0) return false;
    pollfd ready{out_, POLLIN, 0};
    if (::poll(&ready, 1, timeoutMs) <= 0) return true;
    char buffer[4096];
    const ssize_t got = ::read(out_, buffer, sizeof buffer);
    if (got <= 0) {
        ::close(out_);
        out_ = -1;
        return false;
    }
    pending_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

std::optional<std::string> ChildProcess::TakeLine() {
    const std::size_t end = pending_.find('\n');
    if (end == std::string::npos) return std::nullopt;
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (auto line = TakeLine()) return line;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count()))) return TakeLine();
    }
}

std::vector<std::string> ChildProcess::ReadRemainingLines(std::chrono::milliseconds patience) {
    std::vector<std::string> lines;
    while (auto line = ReadLine(patience)) lines.push_back(*line);
    return lines;
}

bool ChildProcess::HasEnded() {
    return Reap(WNOHANG);
}

int ChildProcess::Wait() {
    Reap(0);
    return exitCode_;
}

bool ChildProcess::Reap(int options) {
    int status = 0;
    if (!ended_ && ::waitpid(pid_, &status, options) == pid_) {
        ended_ = true;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return ended_;
}

void ChildProcess::Signal(int signal) {
    if (!ended_) ::kill(pid_, signal);
}

}  // namespace vk::test
