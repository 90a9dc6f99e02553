#pragma once
#include "core/store/password_store.h"

namespace vk {

// The present date and time of day as the user's calendar shows them, so that decisions that
// depend on today (an expired password turns red) can be tested on any day.
class ICalendarClock {
  public:
    virtual ~ICalendarClock() = default;
    virtual SystemTime Now() = 0;
};

}  // namespace vk
