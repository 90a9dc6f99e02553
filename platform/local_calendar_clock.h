#pragma once
#include "core/shell/calendar_clock.h"

namespace vk {

// The system's clock in the user's time zone.
class CLocalCalendarClock : public ICalendarClock {
  public:
    SystemTime Now() override;
};

}  // namespace vk
