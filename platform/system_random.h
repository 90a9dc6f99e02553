#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/tools/random_source.h"

namespace vk {

// The system's secure random generator (getrandom on Linux, BCryptGenRandom on Windows):
// unseeded, so passwords made at the same moment, or under a stopped clock, share nothing.
// Draws carry no modulo bias. When the system cannot give random bytes at all, the process
// ends rather than hand out a predictable password.
class CSystemRandom : public IRandomSource {
  public:
    CSystemRandom() = default;
    ~CSystemRandom() override;
    CSystemRandom(const CSystemRandom&) = delete;
    CSystemRandom& operator=(const CSystemRandom&) = delete;

    std::uint32_t Draw(std::uint32_t bound) override;

  private:
    std::uint32_t NextWord();
    void Refill();

    // Bytes fetched ahead, so a long run of draws needs few system calls.
    std::array<unsigned char, 512> pool_{};
    std::size_t used_ = sizeof(pool_);
};

}  // namespace vk
