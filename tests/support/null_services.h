#pragma once
#include <cstdint>
#include <string>

#include "core/shell/clipboard.h"
#include "core/shell/clock.h"

namespace vk::test {

// A clipboard that takes everything and holds nothing, for windows that never copy.
class NullClipboard : public IClipboard {
  public:
    bool SetText(const std::string&) override { return true; }
    bool GetText(std::string*) override { return false; }
    bool Clear() override { return true; }
};

// A clock that stands still.
class NullClock : public IClock {
  public:
    std::uint64_t TickMs() override { return 0; }
};

}  // namespace vk::test
