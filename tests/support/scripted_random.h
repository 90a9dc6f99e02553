#pragma once
#include <cstdint>
#include <deque>
#include <vector>

#include "core/tools/random_source.h"

namespace vk::test {

// Hands out scripted numbers (below the bound asked for; 0 once the script is used up) and
// remembers every bound, so a test sees which draws were made in which order.
class ScriptedRandom : public IRandomSource {
  public:
    explicit ScriptedRandom(std::deque<std::uint32_t> script = {}) : values(std::move(script)) {}
    std::uint32_t Draw(std::uint32_t bound) override {
        bounds.push_back(bound);
        const std::uint32_t value = values.empty() ? 0 : values.front();
        if (!values.empty()) values.pop_front();
        return bound == 0 ? 0 : value % bound;
    }
    std::deque<std::uint32_t> values;
    std::vector<std::uint32_t> bounds;
};

}  // namespace vk::test
