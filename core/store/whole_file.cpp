#include "core/store/whole_file.h"

namespace vk {

std::optional<std::string> ReadWholeFile(IFileSystem& fs, const std::string& path,
                                         std::size_t maxBytes) {
    FileStatus status;
    auto file = fs.OpenForRead(path, &status);
    if (!file) return std::nullopt;
    std::string content;
    char buffer[16 * 1024];
    for (;;) {
        std::size_t got = 0;
        if (!file->Read(buffer, sizeof buffer, &got).ok()) return std::nullopt;
        if (got == 0) return content;
        content.append(buffer, got);
        if (content.size() > maxBytes) return std::nullopt;
    }
}

}  // namespace vk
