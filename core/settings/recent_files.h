#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vk {

constexpr std::size_t kMaxRecentFiles = 5;

// Answers whether a path names an existing file; injected so that the list needs no disk.
using FileExistsCheck = std::function<bool(const std::string& path)>;

// `path` first, then the list without empty entries, entries naming no existing file, and
// later repeats of an earlier entry (letter case ignored); at most kMaxRecentFiles entries.
std::vector<std::string> WithRecentFile(const std::vector<std::string>& list,
                                        const std::string& path, const FileExistsCheck& exists);

// Paths compared as the recent list compares them: ASCII letters without regard to case.
bool SamePathIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vk
