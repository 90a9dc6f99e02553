#pragma once
#include <cstddef>

// The help book (resources/help) as a zip archive, compiled in by the build.
namespace vk::help_data {

extern const unsigned char kHelpBookZip[];
extern const std::size_t kHelpBookZipSize;

}  // namespace vk::help_data
