#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/wx/instance_channel.h"

class wxSingleInstanceChecker;

namespace vk {

// The user's private folder for the lock and the socket: VAULTKEEP_RUNTIME_DIR when set,
// else "vaultkeep" in XDG_RUNTIME_DIR, else /tmp/vaultkeep-<uid>.
std::string DefaultRuntimeFolder();

// One running copy of the program per user. The first copy holds a lock in the runtime
// folder and serves "show" and "shutdown" on a local socket beside it; a later copy finds
// the lock taken and hands over to the first one. A copy that crashed leaves its files
// behind, and they never block the next start: the lock is the system's and dies with its
// process, and the socket is replaced by whoever holds the lock next.
//
// The folder (made owner-only) must belong to the user; when it cannot be made or trusted
// every copy starts on its own: IsAnotherRunning() and HoldsLock() are both false then.
// One object per process: the lock is per process, so a second object in the same process
// would not see the first.
class CSingleInstance {
  public:
    using Command = InstanceCommand;

    explicit CSingleInstance(const std::string& name = "Vaultkeep",
                             const std::string& runtimeFolder = DefaultRuntimeFolder());
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Another copy held the lock when this one started (or last tried to take it).
    bool IsAnotherRunning() const { return anotherRunning_; }
    // This copy holds the lock: it is the first one.
    bool HoldsLock() const { return checker_ != nullptr; }

    // Second copy: asks the first one to show its editor; true when it answered.
    bool SendShow();

    // Second copy: asks the first one to end (it offers to save first, so this waits as long
    // as its user takes) and waits until its lock is free, then takes the lock. True when
    // this copy holds the lock afterwards. Gives up when `timeout` runs out, when the first
    // copy does not answer, or when it stops serving but keeps its lock (it hangs on the
    // way out): then this copy starts without the lock.
    bool SendShutdownAndWait(std::chrono::seconds timeout = std::chrono::minutes(10));

    // First copy: serves the two commands; `handler` runs on the main loop after the sender
    // has its answer. Takes the lock first if it has become free; false without the lock or
    // when the socket cannot be made.
    bool StartServer(std::function<void(Command)> handler);
    void StopServer();

    // How long a second copy waits for the first one's answer (default 5 s: the first copy
    // answers from its event loop, which may be busy for a moment, say loading a file).
    void SetAnswerTimeout(std::chrono::milliseconds timeout) { answerTimeout_ = timeout; }

    const std::string& Folder() const { return folder_; }
    std::string LockPath() const;
    std::string SocketPath() const;

  private:
    bool TryTakeLock();

    std::string name_;
    std::string folder_;
    bool usable_ = false;
    bool anotherRunning_ = false;
    std::unique_ptr<wxSingleInstanceChecker> checker_;  // set while this copy holds the lock
    std::unique_ptr<CInstanceServer> server_;
    std::chrono::milliseconds answerTimeout_{5000};
};

}  // namespace vk
