#pragma once
#include <string>
#include <vector>

#include "core/quickaccess/paste_target.h"

namespace vk::test {

// A desktop of listed windows and a keyboard that writes down what it types.
class FakeDesktop : public IDesktopWindows, public IKeyTyper {
  public:
    bool reachable = true;
    bool takesFocus = true;
    std::vector<WindowFacts> windows;
    std::vector<std::uint64_t> activated;
    std::string typed;

    bool CanReachOtherWindows() override { return reachable; }
    std::vector<WindowFacts> TopLevelWindows() override { return windows; }
    bool Activate(std::uint64_t w) override {
        activated.push_back(w);
        return takesFocus;
    }
    bool TypeText(const std::string& utf8) override {
        typed += utf8;
        return true;
    }
    bool PressTab() override {
        typed += "<Tab>";
        return true;
    }
};

}  // namespace vk::test
