#pragma once
#include <memory>

#include "tests/support/child_process.h"

namespace vk::test {

// A window manager on the test display for as long as it lives: the one already running, or
// openbox started for the test. False from Running() when neither is possible.
class WindowManagerForTest {
  public:
    WindowManagerForTest();
    ~WindowManagerForTest();
    bool Running() const { return running_; }

  private:
    std::unique_ptr<ChildProcess> started_;
    bool running_ = false;
};

// A tray host (trayer, docked at the top right) on the test display while it lives.
class TrayHostForTest {
  public:
    TrayHostForTest();
    ~TrayHostForTest();
    bool Running() const { return running_; }

  private:
    std::unique_ptr<ChildProcess> started_;
    bool running_ = false;
};

// True when an X display is there to test on.
bool HasDisplay();

}  // namespace vk::test
