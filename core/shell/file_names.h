#pragma once
#include <string>

namespace vk {

// The text after the last folder separator ('\\' or '/'); the whole text when there is none.
std::string FileNamePart(const std::string& path);

}  // namespace vk
