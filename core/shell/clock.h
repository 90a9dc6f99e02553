#pragma once
#include <cstdint>

namespace vk {

// A monotonic millisecond tick, so that timed decisions can be tested without waiting.
class IClock {
  public:
    virtual ~IClock() = default;
    virtual std::uint64_t TickMs() = 0;
};

}  // namespace vk
