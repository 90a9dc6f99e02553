#include "core/shell/file_names.h"

namespace vk {

std::string FileNamePart(const std::string& path) {
    const auto pos = path.find_last_of("\\/");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

}  // namespace vk
