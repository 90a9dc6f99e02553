#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "core/store/file_system.h"

namespace vk {

// The whole content of `path`, read through `fs`; nothing when it cannot be read or holds
// more than `maxBytes` (outside files are never read without a bound).
std::optional<std::string> ReadWholeFile(IFileSystem& fs, const std::string& path,
                                         std::size_t maxBytes);

}  // namespace vk
