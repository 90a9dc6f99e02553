#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <wx/event.h>
#include <wx/timer.h>

class wxSocketBase;
class wxSocketEvent;
class wxSocketServer;

namespace vk {

// What a second copy of the program may ask of the first one. Only these words ever cross
// the channel: nothing secret, nothing the first copy has to trust beyond its meaning.
enum class InstanceCommand { kShow, kShutdown };

// The word that carries a command ("show", "shutdown").
const char* InstanceCommandWord(InstanceCommand command);

// A received line, without its line end, as a command; anything but the exact words is none.
std::optional<InstanceCommand> ParseInstanceCommand(const std::string& line);

// `path` as the toolkit's string; false when it would not come back as the same bytes (the
// toolkit would then work on another file than the one meant).
bool PathToWx(const std::string& path, wxString* converted);

// True when the system can bind a local socket at `path` (the address holds about a hundred
// bytes; a longer path would silently be cut to another one).
bool FitsSocketPath(const std::string& path);

// The first copy's end of the channel: listens on a local socket, answers each request at
// once and carries the command out afterwards on the main loop, so a second copy never
// waits for the first one's user. A client sends one line ("show\n" or "shutdown\n") and
// gets "ok\n"; a command is carried out only when that answer could be written, so a client
// that gave up waiting does not trigger anything later. Everything else is dropped unread
// beyond a few bytes, and a client that keeps a connection open without finishing its
// request is dropped after a short while.
class CInstanceServer : public wxEvtHandler {
  public:
    using Handler = std::function<void(InstanceCommand)>;

    explicit CInstanceServer(Handler handler);
    ~CInstanceServer() override;
    CInstanceServer(const CInstanceServer&) = delete;
    CInstanceServer& operator=(const CInstanceServer&) = delete;

    // Listens on `socketPath`, replacing a socket file left there. Only the holder of the
    // single-instance lock may call this: nobody else can be serving on that path then.
    bool Listen(const std::string& socketPath);

  private:
    struct Connection {
        std::string received;
        std::chrono::steady_clock::time_point opened;
    };

    void OnSocket(wxSocketEvent& event);
    void OnDeadline(wxTimerEvent& event);
    void Accept();
    void Receive(wxSocketBase* socket);
    void Drop(wxSocketBase* socket);
    void Perform(InstanceCommand command);

    // Shared with the calls queued on the main loop, which skip the handler once the server
    // is gone.
    std::shared_ptr<Handler> handler_;
    wxSocketServer* server_ = nullptr;
    std::string socketPath_;
    std::map<wxSocketBase*, Connection> connections_;
    wxTimer deadline_;
};

enum class SendResult {
    kDelivered,  // the first copy answered and will carry the command out
    kNoServer,   // nobody listens on the path
    kNoAnswer,   // somebody listens but did not answer in time
};

// The second copy's end: sends one command and waits at most `answerTimeout` for the
// answer. Runs no events meanwhile.
SendResult SendInstanceCommand(const std::string& socketPath, InstanceCommand command,
                               std::chrono::milliseconds answerTimeout);

// True when a server takes connections on `socketPath` (nothing is sent).
bool IsServerListening(const std::string& socketPath);

}  // namespace vk
