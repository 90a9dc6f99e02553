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

namespace vk {

struct SystemTime;

// The local calendar date and time of day, so that decisions about dates (expired records,
// today's date on a page) can be tested on any day.
class IDateClock {
  public:
    virtual ~IDateClock() = default;
    virtual SystemTime LocalNow() = 0;
};

}  // namespace vk
