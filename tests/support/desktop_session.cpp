#include "tests/support/desktop_session.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace vk::test {
namespace {

// Asks the display whether `check` holds, for up to 20 seconds.
bool WaitFor(const std::function<bool(Display*)>& check) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool ok = check(d);
    while (!ok && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ok = check(d);
    }
    XCloseDisplay(d);
    return ok;
}

bool ManagerRuns(Display* d) {
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, AnyPropertyType, &type, &format,
                       &count, &after, &data);
    if (data) XFree(data);
    return count > 0;
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

WindowManagerForTest::WindowManagerForTest() {
    if (!HasDisplay()) return;
    Display* d = XOpenDisplay(nullptr);
    running_ = d && ManagerRuns(d);
    if (d) XCloseDisplay(d);
    if (running_ || access("/usr/bin/openbox", X_OK) != 0) return;
    started_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/openbox", "--sm-disable"});
    running_ = WaitFor(ManagerRuns);
}

WindowManagerForTest::~WindowManagerForTest() {
    Stop(started_);
}

TrayHostForTest::TrayHostForTest() {
    if (!HasDisplay()) return;
    Display* d = XOpenDisplay(nullptr);
    running_ = d && TrayRuns(d);
    if (d) XCloseDisplay(d);
    if (running_ || access("/usr/bin/trayer", X_OK) != 0) return;
    started_ = std::make_unique<ChildProcess>(std::vector<std::string>{
        "/usr/bin/trayer", "--edge", "top", "--align", "right", "--SetDockType", "true",
        "--widthtype", "pixel", "--width", "64", "--height", "24"});
    running_ = WaitFor(TrayRuns);
}

TrayHostForTest::~TrayHostForTest() {
    Stop(started_);
}

}  // namespace vk::test
