#pragma once
#include <cstddef>
#include <string>

namespace vk {

// Overwrites memory with zeros in a way the optimiser may not remove.
void SecureWipe(void* data, std::size_t size);

// Wipes the whole buffer of a string (its capacity, not just its size), then empties it.
void SecureWipe(std::string& text);

}  // namespace vk
