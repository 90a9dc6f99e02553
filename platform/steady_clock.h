#pragma once
#include "core/shell/clock.h"

namespace vk {

// Milliseconds of the system's monotonic clock: never jumps when the user sets the time.
class CSteadyClock : public IClock {
  public:
    std::uint64_t TickMs() override;
};

}  // namespace vk
