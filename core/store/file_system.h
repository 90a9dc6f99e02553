#pragma once
#include <cstddef>
#include <memory>
#include <string>

namespace vk {

// The outcome of a file operation: empty text means success, otherwise the system's
// description of what went wrong.
struct FileStatus {
    std::string error;
    bool ok() const { return error.empty(); }
    static FileStatus Ok() { return {}; }
    static FileStatus Error(std::string text) { return {text.empty() ? "Unknown error" : text}; }
};

class IReadFile {
  public:
    virtual ~IReadFile() = default;
    // Reads up to `size` bytes; fewer only at the end of the file. `*got` is what arrived.
    virtual FileStatus Read(void* buffer, std::size_t size, std::size_t* got) = 0;
};

class IWriteFile {
  public:
    virtual ~IWriteFile() = default;
    virtual FileStatus Append(const void* data, std::size_t size) = 0;
    virtual FileStatus Sync() = 0;  // the bytes are on the disk when this returns
    virtual FileStatus Close() = 0;
};

// Held while a password file is read or replaced, so that two copies of the program never
// work on the same file at once. Released when destroyed.
class IFileLock {
  public:
    virtual ~IFileLock() = default;
};

// The file services the store needs, so that tests can run them in memory and make any
// step fail.
class IFileSystem {
  public:
    virtual ~IFileSystem() = default;

    // Opens an existing file for reading under an exclusive lock.
    virtual std::unique_ptr<IReadFile> OpenForRead(const std::string& path, FileStatus* status) = 0;
    // Takes the exclusive lock of `path` before it is replaced; succeeds for a missing file.
    virtual std::unique_ptr<IFileLock> LockForReplace(const std::string& path,
                                                      FileStatus* status) = 0;
    // Creates a new, empty, owner-only file in the folder of `target`, named so that it can
    // later be renamed over it. Keeps the permissions of an existing target.
    virtual std::unique_ptr<IWriteFile> CreateTempBeside(const std::string& target,
                                                         std::string* tempPath,
                                                         FileStatus* status) = 0;
    // As CreateTempBeside, but owner-only whatever the target's permissions: for files that
    // hold secrets and may replace a file others could read. A file system without
    // permissions has nothing more to do.
    virtual std::unique_ptr<IWriteFile> CreateSecretTempBeside(const std::string& target,
                                                               std::string* tempPath,
                                                               FileStatus* status) {
        return CreateTempBeside(target, tempPath, status);
    }
    // Replaces `to` with `from` in one step.
    virtual FileStatus Rename(const std::string& from, const std::string& to) = 0;
    virtual FileStatus Remove(const std::string& path) = 0;
    // Makes a rename inside the folder of `path` durable.
    virtual FileStatus SyncFolderOf(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
};

}  // namespace vk
