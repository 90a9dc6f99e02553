#pragma once
#include "core/store/file_system.h"

namespace vk {

// Password files on a POSIX disk: flock for exclusive use, owner-only new files, and
// replacement by rename after fsync. A temporary file is named "<target>.tmp<number>" and
// stays locked while its save runs, so leftovers of killed saves can be told apart.
class CPosixFileSystem : public IFileSystem {
  public:
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
    bool Exists(const std::string& path) override;

  private:
    std::unique_ptr<IWriteFile> CreateTemp(const std::string& target, bool keepMode,
                                           std::string* tempPath, FileStatus* status);
};

// True when both paths name one existing file (through links and other names): an export or
// a report must not replace the password file it was made from.
bool IsSameExistingFile(const std::string& a, const std::string& b);

// A write past the process's file size limit (ulimit -f) then fails with an error instead of
// ending the process: the save reports it, removes its temporary file, and a program holding
// unsaved changes keeps them. Called once at start-up.
void ReportFileSizeLimitAsError();

}  // namespace vk
