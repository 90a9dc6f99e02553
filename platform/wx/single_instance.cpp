#include "platform/wx/single_instance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/log.h>
#include <wx/snglinst.h>
#include <wx/utils.h>

#include <cerrno>
#include <cstdlib>

namespace vk {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(250);

std::string WithoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

// The folder holds the means to drive the running program, so it must be the user's own
// and private. Someone else may have made /tmp/vaultkeep-<uid> first, or put a link there
// to lure the files elsewhere: such a folder is not used at all.
bool PreparePrivateFolder(const std::string& folder) {
    if (folder.empty() || folder.front() != '/') return false;
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return false;
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(folder.c_str(), S_IRWXU) != 0) {
        return false;
    }
    return true;
}

// The toolkit's lock file names the process that made it and counts as taken while a
// process of that number lives. After a crash the number may belong to another process by
// now, or the file may hold no number at all, and then nobody could ever start again. What
// counts is whether some process really holds the file's lock: a file nobody holds is
// removed. Must not run while this process holds the lock: closing any descriptor of the
// file would release it.
void RemoveUnheldLockFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool unheld = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type == F_UNLCK;
    ::close(fd);
    if (unheld) ::unlink(path.c_str());
}

}  // namespace

std::string DefaultRuntimeFolder() {
    if (const char* folder = std::getenv("VAULTKEEP_RUNTIME_DIR"); folder && *folder) {
        return WithoutTrailingSlashes(folder);
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/') {
        return WithoutTrailingSlashes(runtime) + "/vaultkeep";
    }
    return "/tmp/vaultkeep-" + std::to_string(::getuid());
}

CSingleInstance::CSingleInstance(const std::string& name, const std::string& runtimeFolder)
    : name_(name), folder_(WithoutTrailingSlashes(runtimeFolder)) {
    wxString unused;
    usable_ = !name_.empty() && name_.find('/') == std::string::npos &&
              PathToWx(LockPath(), &unused) && PreparePrivateFolder(folder_);
    if (usable_) TryTakeLock();
}

CSingleInstance::~CSingleInstance() {
    // The socket goes first: a copy that finds the lock free must find no server either.
    server_.reset();
    checker_.reset();
}

std::string CSingleInstance::LockPath() const {
    return folder_ + "/" + name_ + ".lock";
}

std::string CSingleInstance::SocketPath() const {
    return folder_ + "/" + name_ + ".socket";
}

bool CSingleInstance::TryTakeLock() {
    if (checker_) return true;
    if (!usable_) return false;
    RemoveUnheldLockFile(LockPath());
    auto checker = std::make_unique<wxSingleInstanceChecker>();
    wxString folder, fileName;
    PathToWx(folder_, &folder);
    PathToWx(name_ + ".lock", &fileName);
    bool created;
    {
        // The toolkit reports odd lock files through its log, which would open a window.
        wxLogNull quiet;
        created = checker->Create(fileName, folder);
    }
    anotherRunning_ = created && checker->IsAnotherRunning();
    if (created && !anotherRunning_) checker_ = std::move(checker);
    return checker_ != nullptr;
}

bool CSingleInstance::SendShow() {
    if (!usable_ || HoldsLock()) return false;
    return SendInstanceCommand(SocketPath(), InstanceCommand::kShow, answerTimeout_) ==
           SendResult::kDelivered;
}

bool CSingleInstance::SendShutdownAndWait(std::chrono::seconds timeout) {
    if (HoldsLock()) return true;
    if (!usable_) return false;
    if (SendInstanceCommand(SocketPath(), InstanceCommand::kShutdown, answerTimeout_) !=
        SendResult::kDelivered) {
        // It may have ended just now; otherwise it cannot be asked and is not waited for.
        return TryTakeLock();
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto lastServed = std::chrono::steady_clock::now();
    while (!TryTakeLock()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        // While its user answers the save question the first copy keeps serving. One that
        // stopped serving but keeps its lock is stuck on its way out.
        if (IsServerListening(SocketPath())) {
            lastServed = now;
        } else if (now - lastServed > answerTimeout_) {
            return false;
        }
        wxMilliSleep(static_cast<unsigned long>(kPollInterval.count()));
    }
    return true;
}

bool CSingleInstance::StartServer(std::function<void(Command)> handler) {
    StopServer();
    if (!TryTakeLock()) return false;
    auto server = std::make_unique<CInstanceServer>(std::move(handler));
    if (!server->Listen(SocketPath())) return false;
    server_ = std::move(server);
    return true;
}

void CSingleInstance::StopServer() {
    server_.reset();
}

}  // namespace vk
