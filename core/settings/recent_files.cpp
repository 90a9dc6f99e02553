#include "core/settings/recent_files.h"

namespace vk {

bool SamePathIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string> WithRecentFile(const std::vector<std::string>& list,
                                        const std::string& path, const FileExistsCheck& exists) {
    std::vector<std::string> candidates;
    candidates.reserve(list.size() + 1);
    candidates.push_back(path);
    candidates.insert(candidates.end(), list.begin(), list.end());

    std::vector<std::string> cleaned;
    for (const std::string& entry : candidates) {
        if (cleaned.size() == kMaxRecentFiles) break;
        if (entry.empty() || !exists(entry)) continue;
        bool repeat = false;
        for (const std::string& kept : cleaned)
            repeat = repeat || SamePathIgnoringCase(kept, entry);
        if (!repeat) cleaned.push_back(entry);
    }
    return cleaned;
}

}  // namespace vk
