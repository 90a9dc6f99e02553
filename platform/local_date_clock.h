#pragma once
#include "core/shell/clock.h"

namespace vk {

// The system's wall clock in the user's time zone.
class CLocalDateClock : public IDateClock {
  public:
    SystemTime LocalNow() override;
};

}  // namespace vk
