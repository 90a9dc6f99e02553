#include "platform/posix_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <random>
#include <vector>

#include "core/shell/messages.h"
#include "platform/system_error.h"

namespace vk {
namespace {

// A temporary file is the target's name, this infix and a number below kTempNumbers written
// without leading zeros.
constexpr char kTempInfix[] = ".tmp";
constexpr unsigned kTempNumbers = 1000000;

bool IsTempNameOf(const std::string& name, const std::string& base) {
    const std::size_t prefix = base.size() + sizeof kTempInfix - 1;
    if (name.size() <= prefix || name.compare(0, base.size(), base) != 0 ||
        name.compare(base.size(), sizeof kTempInfix - 1, kTempInfix) != 0)
        return false;
    const std::string number = name.substr(prefix);
    if (number.size() > 6 || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return number == "0" || number[0] != '0';
}

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

// Only a regular file (or none) is replaced: a folder, a device or a pipe in its place is
// never swapped for a file. A file the user may not write stays as it is, although renaming
// over it in a writable folder would succeed.
FileStatus CheckReplaceable(const std::string& real) {
    struct stat st;
    if (::stat(real.c_str(), &st) != 0) return FileStatus::Ok();
    if (S_ISREG(st.st_mode))
        return ::access(real.c_str(), W_OK) == 0 ? FileStatus::Ok() : ErrnoStatus(errno);
    return S_ISDIR(st.st_mode) ? ErrnoStatus(EISDIR) : FileStatus::Error("Not a regular file");
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
    // `lockFd` shares the open file with `fd` and keeps its lock after Close, until the
    // object is destroyed: a leftover cleanup never takes a file a running save still owns.
    PosixWriteFile(int fd, int lockFd) : fd_(fd), lock_(lockFd) {}
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
    Fd lock_;
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
    // Opening a named pipe waits for a writer: a pipe left where a file belongs must not
    // hang the program, so the open does not wait and the reads that follow do (a pipe
    // without a writer then reads as empty; one being fed, as from a script, reads whole).
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        *status = ErrnoStatus(errno);
        return nullptr;
    }
    struct stat st;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (::fstat(fd.get(), &st) != 0 || flags < 0 ||
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
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
    const std::string real = ResolveLinks(path);
    *status = CheckReplaceable(real);
    if (!status->ok()) return nullptr;
    // A save that renamed a new file over the path meanwhile leaves the lock on a file that
    // is gone: lock again until the locked file is the one the path names.
    for (int attempt = 0; attempt < 10; ++attempt) {
        Fd fd(::open(real.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
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
        struct stat locked, named;
        if (::fstat(fd.get(), &locked) == 0 && ::stat(real.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            return std::make_unique<PosixFileLock>(fd.Release());
        }
    }
    *status = FileStatus::Error(msg::kFileInUse);
    return nullptr;
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

std::unique_ptr<IWriteFile> CPosixFileSystem::CreateTemp(const std::string& target, bool keepMode,
                                                         std::string* tempPath,
                                                         FileStatus* status) {
    const std::string real = ResolveLinks(target);
    *status = CheckReplaceable(real);
    if (!status->ok()) return nullptr;
    struct stat st;
    const bool exists = ::stat(real.c_str(), &st) == 0;
    const mode_t mode = exists && keepMode ? (st.st_mode & 07777) : 0600;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = real + kTempInfix + std::to_string(random() % kTempNumbers);
        Fd fd(::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            *status = ErrnoStatus(errno);
            return nullptr;
        }
        // Without lock support the file is written all the same; only a cleanup running at
        // the same moment could then take it, and the save would report that.
        (void)::flock(fd.get(), LOCK_EX | LOCK_NB);
        Fd lock(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
        if (mode != 0600 && ::fchmod(fd.get(), mode) != 0) {
            // Owner-only is the safe fallback; the save can go on.
        }
        *tempPath = candidate;
        *status = FileStatus::Ok();
        return std::make_unique<PosixWriteFile>(fd.Release(), lock.Release());
    }
    *status = ErrnoStatus(EEXIST);
    return nullptr;
}

void CPosixFileSystem::RemoveLeftoverTemps(const std::string& target) {
    const std::string real = ResolveLinks(target);
    const std::string folder = FolderOf(real);
    const std::string base = real.substr(real.find_last_of('/') + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsTempNameOf(entry->d_name, base)) leftovers.push_back(entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& name : leftovers) {
        const std::string path = folder == "/" ? "/" + name : folder + "/" + name;
        struct stat seen;
        if (::lstat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode) ||
            seen.st_uid != ::geteuid())
            continue;
        int opened = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (opened < 0) opened = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        Fd fd(opened);
        if (fd.get() < 0) continue;
        // A save that is still running holds the lock on its temporary file.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        struct stat held;
        if (::fstat(fd.get(), &held) != 0 || held.st_dev != seen.st_dev ||
            held.st_ino != seen.st_ino)
            continue;
        ::unlink(path.c_str());
    }
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

bool IsSameExistingFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void ReportFileSizeLimitAsError() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace vk
