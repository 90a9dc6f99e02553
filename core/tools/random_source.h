#pragma once
#include <cstdint>

namespace vk {

// Where the password generator's chance comes from. The program's source is the system's
// secure generator; tests script the numbers to pin every rule.
class IRandomSource {
  public:
    virtual ~IRandomSource() = default;
    // A number from 0 to `bound` - 1, every one equally likely; 0 when `bound` is 0.
    virtual std::uint32_t Draw(std::uint32_t bound) = 0;
};

}  // namespace vk
