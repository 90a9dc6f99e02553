#include "platform/x11_clipboard.h"

#include <poll.h>

#include <map>
#include <vector>

#include "core/shell/text_encoding.h"
#include "core/store/secure_wipe.h"
#include "platform/x11_support.h"

namespace vk {
namespace {

constexpr std::size_t kMaxReadBytes = 1 << 20;
constexpr int kReplyWaitMs = 1000;

// Latin-1 for the old STRING target; nothing when the text holds other characters.
std::optional<std::string> Latin1Of(const std::string& utf8) {
    std::string out;
    for (char32_t cp : CodePointsOf(utf8)) {
        if (cp > 0xFF) return std::nullopt;
        out.push_back(static_cast<char>(cp));
    }
    return out;
}

}  // namespace

struct CX11Clipboard::Impl {
    x11::Connection connection;
    Window window = None;
    std::map<Atom, std::string> owned;  // selection -> the text we hand out
    Atom clipboard = None, primary = XA_PRIMARY, targets = None, utf8 = None, text = None,
         plainUtf8 = None, plain = None, hint = None, property = None, incr = None, multiple = None,
         timestamp = None;
    Time ownedSince = CurrentTime;

    Display* d() const { return connection.get(); }

    void Open() {
        if (!connection) return;
        window = XCreateSimpleWindow(d(), connection.Root(), 0, 0, 1, 1, 0, 0, 0);
        XSelectInput(d(), window, PropertyChangeMask);
        clipboard = connection.AtomOf("CLIPBOARD");
        targets = connection.AtomOf("TARGETS");
        utf8 = connection.AtomOf("UTF8_STRING");
        text = connection.AtomOf("TEXT");
        plainUtf8 = connection.AtomOf("text/plain;charset=utf-8");
        plain = connection.AtomOf("text/plain");
        hint = connection.AtomOf(kPasswordHintTarget);
        property = connection.AtomOf("VK_SELECTION");
        incr = connection.AtomOf("INCR");
        multiple = connection.AtomOf("MULTIPLE");
        timestamp = connection.AtomOf("TIMESTAMP");
    }

    // A server time stamp, as the conventions ask for instead of CurrentTime.
    Time ServerTime() {
        XChangeProperty(d(), window, property, XA_STRING, 8, PropModeAppend, nullptr, 0);
        XEvent e;
        XWindowEvent(d(), window, PropertyChangeMask, &e);
        return e.xproperty.time;
    }

    bool Own(Atom selection, const std::string& value) {
        if (!connection) return false;
        ownedSince = ServerTime();
        XSetSelectionOwner(d(), selection, window, ownedSince);
        if (XGetSelectionOwner(d(), selection) != window) return false;
        if (auto it = owned.find(selection); it != owned.end()) SecureWipe(it->second);
        owned[selection] = value;
        return true;
    }

    void Answer(const XSelectionRequestEvent& r) {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.requestor = r.requestor;
        reply.selection = r.selection;
        reply.target = r.target;
        reply.time = r.time;
        reply.property = None;
        const Atom into = r.property == None ? r.target : r.property;
        const auto it = owned.find(r.selection);
        const std::size_t limit = XExtendedMaxRequestSize(d()) ? XExtendedMaxRequestSize(d()) * 4
                                                               : XMaxRequestSize(d()) * 4;
        if (it != owned.end()) {
            const std::string& value = it->second;
            if (r.target == targets) {
                const Atom list[] = {targets,   timestamp, utf8,      text,
                                     plainUtf8, plain,     XA_STRING, hint};
                XChangeProperty(d(), r.requestor, into, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(list), 8);
                reply.property = into;
            } else if (r.target == timestamp) {
                const long stamp = static_cast<long>(ownedSince);
                XChangeProperty(d(), r.requestor, into, XA_INTEGER, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(&stamp), 1);
                reply.property = into;
            } else if (r.target == hint) {
                static const char kSecret[] = "secret";
                XChangeProperty(d(), r.requestor, into, hint, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(kSecret), 6);
                reply.property = into;
            } else if (value.size() + 256 < limit) {
                std::optional<std::string> bytes;
                Atom type = r.target;
                if (r.target == utf8 || r.target == text || r.target == plainUtf8) {
                    bytes = value;
                    if (r.target == text) type = utf8;
                } else if (r.target == XA_STRING || r.target == plain) {
                    bytes = Latin1Of(value);
                }
                if (bytes) {
                    XChangeProperty(d(), r.requestor, into, type, 8, PropModeReplace,
                                    reinterpret_cast<const unsigned char*>(bytes->data()),
                                    static_cast<int>(bytes->size()));
                    SecureWipe(*bytes);
                    reply.property = into;
                }
            }
        }
        XSendEvent(d(), r.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
    }

    void Handle(XEvent& e) {
        if (e.type == SelectionRequest) {
            x11::ErrorTrap trap(d());  // the requestor may be gone already
            Answer(e.xselectionrequest);
        } else if (e.type == SelectionClear) {
            if (auto it = owned.find(e.xselectionclear.selection); it != owned.end()) {
                SecureWipe(it->second);
                owned.erase(it);
            }
        }
    }

    bool WaitForEvent(int ms) {
        if (XPending(d())) return true;
        pollfd fd{ConnectionNumber(d()), POLLIN, 0};
        return poll(&fd, 1, ms) > 0;
    }

    // What another owner holds, as UTF-8; our own text without asking the server.
    bool Read(Atom selection, std::string* out) {
        if (!connection) return false;
        const Window owner = XGetSelectionOwner(d(), selection);
        if (owner == None) return false;
        if (owner == window) {
            const auto it = owned.find(selection);
            if (it == owned.end()) return false;
            *out = it->second;
            return true;
        }
        XDeleteProperty(d(), window, property);
        XConvertSelection(d(), selection, utf8, property, window, CurrentTime);
        XFlush(d());
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReplyWaitMs);
        while (std::chrono::steady_clock::now() < end) {
            if (!WaitForEvent(50)) continue;
            while (XPending(d())) {
                XEvent e;
                XNextEvent(d(), &e);
                if (e.type != SelectionNotify || e.xselection.selection != selection) {
                    Handle(e);
                    continue;
                }
                if (e.xselection.property == None) return false;
                Atom type = None;
                auto bytes =
                    x11::ReadBytes(d(), window, property, AnyPropertyType, kMaxReadBytes, &type);
                XDeleteProperty(d(), window, property);
                // A text large enough to come in pieces is no copy of ours.
                if (!bytes || type == incr) return false;
                *out = std::move(*bytes);
                return true;
            }
        }
        return false;
    }
};

CX11Clipboard::CX11Clipboard() : impl_(std::make_unique<Impl>()) {
    impl_->Open();
}

CX11Clipboard::~CX11Clipboard() {
    for (auto& [selection, text] : impl_->owned) SecureWipe(text);
    if (impl_->connection && impl_->window) XDestroyWindow(impl_->d(), impl_->window);
}

bool CX11Clipboard::Available() const {
    return static_cast<bool>(impl_->connection);
}

bool CX11Clipboard::SetText(const std::string& text) {
    return impl_->Own(impl_->clipboard, TextAsUtf8(text));
}

bool CX11Clipboard::GetText(std::string* text) {
    return impl_->Read(impl_->clipboard, text);
}

bool CX11Clipboard::Clear() {
    return impl_->Own(impl_->clipboard, std::string());
}

bool CX11Clipboard::GetPrimaryText(std::string* text) {
    return impl_->Read(impl_->primary, text);
}

bool CX11Clipboard::ClearPrimary() {
    return impl_->Own(impl_->primary, std::string());
}

void CX11Clipboard::Serve(std::chrono::steady_clock::time_point until,
                          const std::atomic<bool>& stop) {
    if (!impl_->connection) return;
    while (!stop && std::chrono::steady_clock::now() < until) {
        if (!impl_->WaitForEvent(100)) continue;
        while (XPending(impl_->d())) {
            XEvent e;
            XNextEvent(impl_->d(), &e);
            impl_->Handle(e);
        }
    }
}

}  // namespace vk
