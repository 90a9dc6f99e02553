#include "platform/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include "core/shell/messages.h"
#include "platform/system_error.h"

namespace vk {
namespace {

FileStatus ErrnoStatus(int error) {
    return FileStatus::Error(SystemErrorText(error));
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Reset(); }
    int get() const { return fd_; }
    int Release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    int Reset() {
        int result = 0;
        if (fd_ >= 0) result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// Takes the exclusive lock without waiting: a file held by another copy is reported at once.
FileStatus LockExclusive(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) return FileStatus::Error(msg::kFileInUse);
        return ErrnoStatus(errno);
    }
    return FileStatus::Ok();
}

// The file a path finally names, so that replacing a link replaces what it points to.
std::string ResolveLinks(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string resolved(real);
    std::free(real);
    return resolved;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

class PosixReadFile : public IReadFile {
  public:
    explicit PosixReadFile(int fd) : fd_(fd) {}
    FileStatus Read(void* buffer, std::size_t size, std::size_t* got) override {
        *got = 0;
        auto* out = static_cast<char*>(buffer);
        while (*got < size) {
            const ssize_t n = ::read(fd_.get(), out + *got, size - *got);
            if (n < 0) {
                if (errno == EINTR) continue;
                return ErrnoStatus(errno);
            }
            if (n == 0) break;
            *got += static_cast<std::size_t>(n);
        }
        return FileStatus::Ok();
    }

  private:
    Fd fd_;
};

class PosixWriteFile : public IWriteFile {
  public:
    explicit PosixWriteFile(int fd) : fd_(fd) {}
    FileStatus Append(const void* data, std::size_t size) override {
        const auto* p = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t n = ::write(fd_.get(), p, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                return ErrnoStatus(errno);
            }
            p += n;
            size -= static_cast<std::size_t>(n);
        }
        return FileStatus::Ok();
    }
    FileStatus Sync() override {
        return ::fsync(fd_.get()) == 0 ? FileStatus::Ok() : ErrnoStatus(errno);
    }
    FileStatus Close() override { return fd_.Reset() == 0 ? FileStatus::Ok() : ErrnoStatus(errno); }

  private:
    Fd fd_;
};

class PosixFileLock : public IFileLock {
  public:
    explicit PosixFileLock(int fd) : fd_(fd) {}

  private:
    Fd fd_;
};

}  // namespace

std::unique_ptr<IReadFile> CPosixFileSystem::OpenForRead(const std::string& path,
                                                         FileStatus* status) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        *status = ErrnoStatus(errno);
        return nullptr;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) {
        *status = ErrnoStatus(errno);
        return nullptr;
    }
    if (S_ISDIR(st.st_mode)) {
        *status = ErrnoStatus(EISDIR);
        return nullptr;
    }
    *status = LockExclusive(fd.get());
    if (!status->ok()) return nullptr;
    return std::make_unique<PosixReadFile>(fd.Release());
}

std::unique_ptr<IFileLock> CPosixFileSystem::LockForReplace(const std::string& path,
                                                            FileStatus* status) {
    Fd fd(::open(ResolveLinks(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno != ENOENT) {
            *status = ErrnoStatus(errno);
            return nullptr;
        }
        *status = FileStatus::Ok();
        return std::make_unique<PosixFileLock>(-1);
    }
    *status = LockExclusive(fd.get());
    if (!status->ok()) return nullptr;
    return std::make_unique<PosixFileLock>(fd.Release());
}

std::unique_ptr<IWriteFile> CPosixFileSystem::CreateTempBeside(const std::string& target,
                                                               std::string* tempPath,
                                                               FileStatus* status) {
    return CreateTemp(target, true, tempPath, status);
}

std::unique_ptr<IWriteFile> CPosixFileSystem::CreateSecretTempBeside(const std::string& target,
                                                                     std::string* tempPath,
                                                                     FileStatus* status) {
    return CreateTemp(target, false, tempPath, status);
}

std::unique_ptr<IWriteFile> CPosixFileSystem::CreateTemp(const std::string& target,
                                                         bool keepMode, std::string* tempPath,
                                                         FileStatus* status) {
    const std::string real = ResolveLinks(target);
    struct stat st;
    const bool exists = ::stat(real.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        *status = ErrnoStatus(EISDIR);
        return nullptr;
    }
    const mode_t mode = exists && keepMode ? (st.st_mode & 07777) : 0600;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            real + ".tmp" + std::to_string(static_cast<unsigned>(random()) % 1000000u);
        Fd fd(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            *status = ErrnoStatus(errno);
            return nullptr;
        }
        if (mode != 0600 && ::fchmod(fd.get(), mode) != 0) {
            // Owner-only is the safe fallback; the save can go on.
        }
        *tempPath = candidate;
        *status = FileStatus::Ok();
        return std::make_unique<PosixWriteFile>(fd.Release());
    }
    *status = ErrnoStatus(EEXIST);
    return nullptr;
}

FileStatus CPosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), ResolveLinks(to).c_str()) == 0 ? FileStatus::Ok()
                                                                 : ErrnoStatus(errno);
}

FileStatus CPosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? FileStatus::Ok() : ErrnoStatus(errno);
}

FileStatus CPosixFileSystem::SyncFolderOf(const std::string& path) {
    Fd fd(::open(FolderOf(ResolveLinks(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return ErrnoStatus(errno);
    return ::fsync(fd.get()) == 0 ? FileStatus::Ok() : ErrnoStatus(errno);
}

bool CPosixFileSystem::Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace vk
