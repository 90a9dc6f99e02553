#pragma once
#include <memory>

#include "tests/support/child_process.h"

namespace vk::test {

// A helper program on the test display for as long as this lives: the one already running,
// or one started for the test. Running() is false when neither is possible.
class DesktopHelperForTest {
  public:
    enum class Kind {
        kWindowManager,  // openbox
        kTrayHost,       // trayer, docked at the top right
    };
    explicit DesktopHelperForTest(Kind kind);
    ~DesktopHelperForTest();
    bool Running() const { return running_; }

  private:
    std::unique_ptr<ChildProcess> started_;
    bool running_ = false;
};

class WindowManagerForTest : public DesktopHelperForTest {
  public:
    WindowManagerForTest() : DesktopHelperForTest(Kind::kWindowManager) {}
};

class TrayHostForTest : public DesktopHelperForTest {
  public:
    TrayHostForTest() : DesktopHelperForTest(Kind::kTrayHost) {}
};

// True when an X display is there to test on.
bool HasDisplay();

}  // namespace vk::test
