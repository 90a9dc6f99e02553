#pragma once
#include <functional>
#include <string>

#include "core/store/file_system.h"

namespace vk {

// Writes a file that may hold secrets as a whole: into a new owner-only file beside `path`
// (owner-only even when the file it replaces was readable by others), synced, closed and
// renamed over `path`. When `write` or any step fails, `path` stays as it was and the
// temporary file is removed. Returns the first failure.
FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path,
                              const std::function<FileStatus(IWriteFile&)>& write);

}  // namespace vk
