#pragma once
#include <cstddef>

namespace vk {

// The front-coded word list the build makes from resources/words/words.txt.
extern const unsigned char kWordListData[];
extern const std::size_t kWordListDataBytes;

}  // namespace vk
