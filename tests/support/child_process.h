#pragma once
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vk::test {

// A program running beside the test, which goes on meanwhile (it may have to serve the
// program). Its standard output is read line by line; its standard error stays the test's.
// Every wait has a generous limit so that a broken program fails the test instead of
// hanging it; the limits are never what a test checks.
class ChildProcess {
  public:
    // `input` (short: it must fit the pipe) is its whole standard input.
    explicit ChildProcess(const std::vector<std::string>& argv, const std::string& input = "");
    ~ChildProcess();  // kills the program if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }

    // The next line it prints, without the line end; none when its output ended first.
    std::optional<std::string> ReadLine(
        std::chrono::milliseconds patience = std::chrono::seconds(30));
    // The lines it prints until it closes its output.
    std::vector<std::string> ReadRemainingLines(
        std::chrono::milliseconds patience = std::chrono::seconds(30));

    // True once it has ended; never waits.
    bool HasEnded();
    // Waits for its end: the exit code, or 128 + the signal that ended it.
    int Wait();
    void Signal(int signal);

  private:
    // Reads what it printed, waiting up to `timeoutMs`; false once its output has ended.
    bool Fill(int timeoutMs);
    std::optional<std::string> TakeLine();
    // Collects the exit code once it has ended; waits when `options` lets waitpid wait.
    bool Reap(int options);

    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
    bool ended_ = false;
    int exitCode_ = -1;
};

}  // namespace vk::test
