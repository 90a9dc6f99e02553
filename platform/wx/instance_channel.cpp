#include "platform/wx/instance_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/log.h>
#include <wx/sckaddr.h>
#include <wx/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vk {
namespace {

constexpr char kAnswer[] = "ok\n";
constexpr std::size_t kAnswerSize = sizeof kAnswer - 1;
// The longest request is "shutdown\n"; a few bytes more tell garbage from a slow sender.
constexpr std::size_t kMaxRequest = 16;
// More clients than this at once is nobody we serve; each holds a descriptor.
constexpr std::size_t kMaxConnections = 8;
// A client has this long to finish its request before it is dropped.
constexpr std::chrono::seconds kRequestPatience{2};
constexpr int kDeadlineCheckMs = 500;

bool MakeAddress(const std::string& socketPath, wxUNIXaddress* address) {
    wxString path;
    if (!FitsSocketPath(socketPath) || !PathToWx(socketPath, &path)) return false;
    address->Filename(path);
    return true;
}

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

// The second copy's side is plain POSIX: it runs before any event loop, must run none (a
// window of the half-started copy could react), and must never wait longer than it was
// told to. A local socket connects at once or not at all, so connecting never waits.
int ConnectTo(const std::string& socketPath, SendResult* failure) {
    *failure = SendResult::kNoServer;
    if (!FitsSocketPath(socketPath)) return -1;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    // A full queue of unanswered connections: somebody listens but takes nobody in.
    if (errno == EAGAIN) *failure = SendResult::kNoAnswer;
    ::close(fd);
    return -1;
}

}  // namespace

const char* InstanceCommandWord(InstanceCommand command) {
    return command == InstanceCommand::kShutdown ? "shutdown" : "show";
}

std::optional<InstanceCommand> ParseInstanceCommand(const std::string& line) {
    for (InstanceCommand command : {InstanceCommand::kShow, InstanceCommand::kShutdown}) {
        if (line == InstanceCommandWord(command)) return command;
    }
    return std::nullopt;
}

bool PathToWx(const std::string& path, wxString* converted) {
    *converted = wxString(path.c_str(), *wxConvFileName);
    const wxCharBuffer back = converted->fn_str();
    return !path.empty() && back.data() != nullptr && path == back.data();
}

bool FitsSocketPath(const std::string& path) {
    return !path.empty() && path.size() < sizeof(sockaddr_un{}.sun_path) &&
           path.find('\0') == std::string::npos;
}

CInstanceServer::CInstanceServer(Handler handler)
    : handler_(std::make_shared<Handler>(std::move(handler))) {
    deadline_.SetOwner(this);
    Bind(wxEVT_SOCKET, &CInstanceServer::OnSocket, this);
    Bind(wxEVT_TIMER, &CInstanceServer::OnDeadline, this);
}

CInstanceServer::~CInstanceServer() {
    deadline_.Stop();
    for (auto& entry : connections_) entry.first->Destroy();
    connections_.clear();
    if (server_) {
        server_->Destroy();
        ::unlink(socketPath_.c_str());
    }
}

bool CInstanceServer::Listen(const std::string& socketPath) {
    wxUNIXaddress address;
    if (server_ || !MakeAddress(socketPath, &address)) return false;
    // A socket file left by a copy that crashed: binding fails while it is there. Only a
    // socket is removed; anything else at that path makes the bind fail instead.
    struct stat info {};
    if (::lstat(socketPath.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) {
        ::unlink(socketPath.c_str());
    }
    wxLogNull quiet;
    auto* server = new wxSocketServer(address, wxSOCKET_NOWAIT);
    if (!server->IsOk()) {
        server->Destroy();
        return false;
    }
    // The folder is the user's own already; the socket need not be reachable by others
    // even if the folder's mode were changed later.
    ::chmod(socketPath.c_str(), S_IRUSR | S_IWUSR);
    server->SetEventHandler(*this);
    server->SetNotify(wxSOCKET_CONNECTION_FLAG);
    server->Notify(true);
    server_ = server;
    socketPath_ = socketPath;
    return true;
}

void CInstanceServer::OnSocket(wxSocketEvent& event) {
    switch (event.GetSocketEvent()) {
        case wxSOCKET_CONNECTION:
            Accept();
            break;
        case wxSOCKET_INPUT:
            Receive(event.GetSocket());
            break;
        default:  // the client went away or the connection failed
            if (connections_.count(event.GetSocket())) Drop(event.GetSocket());
            break;
    }
}

void CInstanceServer::Accept() {
    if (!server_) return;
    wxSocketBase* socket = server_->Accept(false);
    if (!socket) return;
    if (connections_.size() >= kMaxConnections) {
        socket->Destroy();
        return;
    }
    socket->SetFlags(wxSOCKET_NOWAIT);
    socket->SetEventHandler(*this);
    socket->SetNotify(wxSOCKET_INPUT_FLAG | wxSOCKET_LOST_FLAG);
    socket->Notify(true);
    connections_[socket] = Connection{std::string(), std::chrono::steady_clock::now()};
    if (!deadline_.IsRunning()) deadline_.Start(kDeadlineCheckMs);
}

void CInstanceServer::Receive(wxSocketBase* socket) {
    const auto found = connections_.find(socket);
    if (found == connections_.end()) return;
    std::string& received = found->second.received;
    // Never more than one byte past the longest request is read: a flood costs nothing.
    char chunk[kMaxRequest + 1];
    socket->Read(chunk, sizeof chunk - received.size());
    received.append(chunk, socket->LastCount());

    const std::size_t end = received.find('\n');
    if (end == std::string::npos) {
        if (received.size() > kMaxRequest) Drop(socket);
        return;  // a request may come in pieces
    }
    // One request per connection, and nothing after it.
    const std::optional<InstanceCommand> command =
        end + 1 == received.size() ? ParseInstanceCommand(received.substr(0, end)) : std::nullopt;
    bool answered = false;
    if (command) {
        socket->Write(kAnswer, kAnswerSize);
        answered = !socket->Error() && socket->LastCount() == kAnswerSize;
    }
    Drop(socket);
    if (answered) Perform(*command);
}

void CInstanceServer::Perform(InstanceCommand command) {
    // Queued on the application rather than on this object, so that the handler may even
    // destroy the server; a server destroyed before the call runs cancels it.
    // The application object, GUI or not (wxTheApp would claim it is a GUI one).
    wxAppConsole* const app = wxAppConsole::GetInstance();
    if (!app) return;
    std::weak_ptr<Handler> handler = handler_;
    app->CallAfter([handler, command] {
        if (const std::shared_ptr<Handler> alive = handler.lock()) {
            if (*alive) (*alive)(command);
        }
    });
}

void CInstanceServer::Drop(wxSocketBase* socket) {
    connections_.erase(socket);
    socket->Destroy();
    if (connections_.empty()) deadline_.Stop();
}

void CInstanceServer::OnDeadline(wxTimerEvent&) {
    const auto now = std::chrono::steady_clock::now();
    for (auto entry = connections_.begin(); entry != connections_.end();) {
        wxSocketBase* socket = entry->first;
        const bool late = now - entry->second.opened > kRequestPatience;
        ++entry;
        if (late) Drop(socket);
    }
}

SendResult SendInstanceCommand(const std::string& socketPath, InstanceCommand command,
                               std::chrono::milliseconds answerTimeout) {
    SendResult result;
    const int fd = ConnectTo(socketPath, &result);
    if (fd < 0) return result;
    const auto deadline = Clock::now() + answerTimeout;
    const std::string request = std::string(InstanceCommandWord(command)) + "\n";
    // A few bytes into a fresh connection's empty buffer: they go at once or not at all.
    bool delivered = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
                     static_cast<ssize_t>(request.size());
    std::string answer;
    while (delivered && answer.size() < kAnswerSize) {
        pollfd readable{fd, POLLIN, 0};
        const int ready = ::poll(&readable, 1, MillisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            delivered = false;
            break;
        }
        char chunk[kAnswerSize];
        const ssize_t got = ::recv(fd, chunk, kAnswerSize - answer.size(), 0);
        if (got <= 0) {
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            delivered = false;
            break;
        }
        answer.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return delivered && answer == kAnswer ? SendResult::kDelivered : SendResult::kNoAnswer;
}

bool IsServerListening(const std::string& socketPath) {
    SendResult unused;
    const int fd = ConnectTo(socketPath, &unused);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace vk
