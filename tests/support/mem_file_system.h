#pragma once
#include <map>
#include <set>
#include <string>

#include "core/store/atomic_file.h"
#include "core/store/file_system.h"

namespace vk::test {

// Password files kept in memory. Any step can be made to fail, so every error path of a load
// or save runs without a real disk.
class MemFileSystem : public IFileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> locked;              // held by "another copy"
    std::set<std::string> writing;             // temporary files whose writer is still alive
    std::map<std::string, TempAccess> access;  // how each file written here was made

    // Failures to inject: the N-th call (1-based) of that kind fails; 0 never.
    int failAppendAt = 0;
    int failSyncAt = 0;
    int failCloseAt = 0;
    int failRenameAt = 0;
    int failCreateAt = 0;
    int failOpenReadAt = 0;
    int failReadAt = 0;         // the N-th Read call fails
    std::size_t readChunk = 0;  // when set, each Read delivers at most this many bytes

    int appends = 0, syncs = 0, closes = 0, renames = 0, creates = 0, opens = 0, reads = 0;

    std::unique_ptr<IReadFile> OpenForRead(const std::string& path, FileStatus* status) override;
    std::unique_ptr<IFileLock> LockForReplace(const std::string& path, FileStatus* status) override;
    std::unique_ptr<IWriteFile> CreateTempBeside(const std::string& target, std::string* tempPath,
                                                 FileStatus* status) override;
    std::unique_ptr<IWriteFile> CreateSecretTempBeside(const std::string& target,
                                                       std::string* tempPath,
                                                       FileStatus* status) override;
    void RemoveLeftoverTemps(const std::string& target) override;
    FileStatus Rename(const std::string& from, const std::string& to) override;
    FileStatus Remove(const std::string& path) override;
    FileStatus SyncFolderOf(const std::string& path) override;
    bool Exists(const std::string& path) override { return files.count(path) != 0; }
};

}  // namespace vk::test
