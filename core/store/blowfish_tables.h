#pragma once
#include <cstdint>

// Blowfish's published initial tables: the fractional hexadecimal digits of pi.
namespace vk::blowfish_tables {
extern const std::uint32_t kInitialP[18];
extern const std::uint32_t kInitialS[4][256];
}  // namespace vk::blowfish_tables
