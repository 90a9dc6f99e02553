#include "tests/support/desktop_session.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>

namespace vk::test {
namespace {

// Asks the display whether `check` holds, for up to 20 seconds.
bool WaitFor(const std::function<bool(Display*)>& check) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
        // A connection of its own each time: a display that refused one a moment ago may
        // take the next.
        Display* d = XOpenDisplay(nullptr);
        const bool ok = d && check(d);
        if (d) XCloseDisplay(d);
        if (ok) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// The manager of screen 0 owns the WM_S0 selection while it runs.
bool ManagerRuns(Display* d) {
    return XGetSelectionOwner(d, XInternAtom(d, "WM_S0", False)) != None;
}

bool TrayRuns(Display* d) {
    return XGetSelectionOwner(d, XInternAtom(d, "_NET_SYSTEM_TRAY_S0", False)) != None;
}

void Stop(std::unique_ptr<ChildProcess>& child) {
    if (!child) return;
    child->Signal(SIGTERM);
    child->Wait();
    child.reset();
}

}  // namespace

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

DesktopHelperForTest::DesktopHelperForTest(Kind kind) {
    if (!HasDisplay()) return;
    const auto runs = kind == Kind::kWindowManager ? ManagerRuns : TrayRuns;
    Display* d = XOpenDisplay(nullptr);
    running_ = d && runs(d);
    if (d) XCloseDisplay(d);
    std::istringstream command(kind == Kind::kWindowManager
                                   ? "/usr/bin/openbox --replace --sm-disable"
                                   : "/usr/bin/trayer --edge top --align right --SetDockType true "
                                     "--widthtype pixel --width 64 --height 24");
    const std::vector<std::string> argv{std::istream_iterator<std::string>(command), {}};
    if (running_ || access(argv[0].c_str(), X_OK) != 0) return;
    // The helper now and then gives up at once on a display that has just started: again.
    for (int attempt = 0; attempt < 3 && !running_; ++attempt) {
        Stop(started_);
        started_ = std::make_unique<ChildProcess>(argv);
        running_ = WaitFor([&](Display* d) { return runs(d) || started_->HasEnded(); }) &&
                   !started_->HasEnded();
    }
}

DesktopHelperForTest::~DesktopHelperForTest() {
    Stop(started_);
}

}  // namespace vk::test
