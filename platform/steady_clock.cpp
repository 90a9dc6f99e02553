#include "platform/steady_clock.h"

#include <chrono>

namespace vk {

std::uint64_t CSteadyClock::TickMs() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

}  // namespace vk
