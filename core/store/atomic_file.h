#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/store/file_system.h"

namespace vk {

// Who may read a file that replaces another.
enum class TempAccess {
    kLikeTarget,  // as the file it replaces could be read; owner-only for a new file
    kOwnerOnly,   // owner-only whatever the old file allowed: files that hold secrets in clear
};

// Replaces a file in one step. The new content goes to a temporary file beside the target,
// which is synced and renamed over the target only once everything was written; until then
// the target is untouched, and a file that is not committed is removed again, so a failure
// leaves the old file as it was and no debris beside it.
class CAtomicFile {
  public:
    CAtomicFile(IFileSystem& fs, std::string target, TempAccess access);
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // Takes the target's lock, removes the leftovers of earlier killed replacements and
    // creates the temporary file.
    FileStatus Open();
    // Keeps the first failure; later appends then do nothing.
    FileStatus Append(const void* data, std::size_t size);
    // Syncs and closes the temporary file, renames it over the target and makes the rename
    // durable. On failure the temporary file is removed.
    FileStatus Commit();

  private:
    void Discard();

    IFileSystem& fs_;
    const std::string target_;
    const TempAccess access_;
    std::unique_ptr<IFileLock> lock_;
    std::unique_ptr<IWriteFile> file_;
    std::string tempPath_;
    bool closed_ = false;
    FileStatus status_;
};

// Writes the whole new content of `path`, owner-only, in one step: `write` appends it to the
// file it is given (its Sync and Close are left to the commit). The failure says whether the
// file could be made at all (`opened` false) or failed later; `path` is then untouched.
FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path,
                              const std::function<FileStatus(IWriteFile&)>& write,
                              bool* opened = nullptr);
FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path, std::string_view bytes,
                              bool* opened = nullptr);

}  // namespace vk
