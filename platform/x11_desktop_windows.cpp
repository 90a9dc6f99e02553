#include "platform/x11_desktop_windows.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "platform/x11_support.h"

namespace vk {
namespace {

constexpr std::size_t kMaxWindows = 4096;
constexpr std::size_t kMaxTitleBytes = 1024;  // 333 characters of up to three bytes
constexpr std::size_t kMaxTypes = 32;
constexpr int kFocusWaitMs = 1000;
constexpr int kFocusPollMs = 20;
constexpr int kIconicState = 3;  // WM_STATE: the window is minimized

}  // namespace

bool RunsUnderWayland() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return (display && *display) || (session && std::strcmp(session, "wayland") == 0);
}

struct CX11DesktopWindows::Impl {
    x11::Connection connection;
    Display* d() const { return connection.get(); }
    Atom A(const char* name) const { return connection.AtomOf(name); }

    bool HasWmState(Window w) const {
        return !x11::ReadLongs(d(), w, A("WM_STATE"), A("WM_STATE"), 2).empty();
    }

    // Under a reparenting window manager the root's children are frames: the client is the
    // descendant that carries WM_STATE. Without a manager the child is the client itself.
    Window ClientOf(Window w) const {
        const Window client = ClientBelow(w, 0);
        return client != None ? client : w;
    }
    Window ClientBelow(Window w, int depth) const {
        if (HasWmState(w)) return w;
        if (depth >= 3) return None;
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        Window found = None;
        if (XQueryTree(d(), w, &root, &parent, &children, &count)) {
            for (unsigned i = count; i-- > 0 && found == None;)
                found = ClientBelow(children[i], depth + 1);
            if (children) XFree(children);
        }
        return found;
    }

    std::vector<Window> StackingTopmostFirst() const {
        const auto listed = x11::ReadLongs(d(), connection.Root(), A("_NET_CLIENT_LIST_STACKING"),
                                           XA_WINDOW, kMaxWindows);
        std::vector<Window> windows(listed.rbegin(), listed.rend());
        if (!windows.empty()) return windows;
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(d(), connection.Root(), &root, &parent, &children, &count)) return {};
        for (unsigned i = std::min<unsigned>(count, kMaxWindows); i-- > 0;) {
            XWindowAttributes a{};
            if (!XGetWindowAttributes(d(), children[i], &a) || a.override_redirect) continue;
            if (const Window client = ClientOf(children[i])) windows.push_back(client);
        }
        if (children) XFree(children);
        return windows;
    }

    std::string TitleOf(Window w) const {
        if (auto name = x11::ReadBytes(d(), w, A("_NET_WM_NAME"), A("UTF8_STRING"), kMaxTitleBytes))
            if (!name->empty()) return *name;
        return x11::ReadBytes(d(), w, XA_WM_NAME, AnyPropertyType, kMaxTitleBytes).value_or("");
    }

    WindowKind KindOf(Window w) const {
        const auto types = x11::ReadLongs(d(), w, A("_NET_WM_WINDOW_TYPE"), XA_ATOM, kMaxTypes);
        if (types.empty()) {
            // No type given: a transient window counts as a dialog, any other as normal.
            Window owner = None;
            return XGetTransientForHint(d(), w, &owner) && owner ? WindowKind::kDialog
                                                                 : WindowKind::kNormal;
        }
        for (unsigned long t : types) {
            if (t == A("_NET_WM_WINDOW_TYPE_NORMAL")) return WindowKind::kNormal;
            if (t == A("_NET_WM_WINDOW_TYPE_DIALOG")) return WindowKind::kDialog;
        }
        return WindowKind::kOther;
    }

    bool Minimized(Window w) const {
        const auto state = x11::ReadLongs(d(), w, A("WM_STATE"), A("WM_STATE"), 2);
        if (!state.empty() && state[0] == kIconicState) return true;
        const auto net = x11::ReadLongs(d(), w, A("_NET_WM_STATE"), XA_ATOM, kMaxTypes);
        return std::find(net.begin(), net.end(), A("_NET_WM_STATE_HIDDEN")) != net.end();
    }

    bool Ours(Window w) const {
        const auto pid = x11::ReadLongs(d(), w, A("_NET_WM_PID"), XA_CARDINAL, 1);
        if (pid.empty() || pid[0] != static_cast<unsigned long>(getpid())) return false;
        // The same process number on another machine is someone else.
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        const auto machine =
            x11::ReadBytes(d(), w, XA_WM_CLIENT_MACHINE, AnyPropertyType, sizeof host);
        return !machine || machine->empty() || *machine == host;
    }

    // Whether `descendant` is `w` or lies somewhere inside it.
    bool IsWithin(Window descendant, Window w) const {
        for (Window at = descendant; at != None;) {
            if (at == w) return true;
            Window root = None, parent = None, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(d(), at, &root, &parent, &children, &count)) return false;
            if (children) XFree(children);
            if (parent == root) return false;
            at = parent;
        }
        return false;
    }

    // The focus sits in the window, in one of its children, or in the frame around it.
    bool FocusIsOn(Window target, Window focus) const {
        if (focus == None || focus == PointerRoot) return false;
        return IsWithin(focus, target) || IsWithin(target, focus);
    }

    bool ManagerRuns() const {
        return !x11::ReadLongs(d(), connection.Root(), A("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 1)
                    .empty();
    }

    void AskToActivate(Window w) const {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = w;
        e.xclient.message_type = A("_NET_ACTIVE_WINDOW");
        e.xclient.format = 32;
        e.xclient.data.l[0] = 2;  // asked for by the user through a tool, as a pager does
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(d(), connection.Root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &e);
        XRaiseWindow(d(), w);
        XFlush(d());
    }
};

CX11DesktopWindows::CX11DesktopWindows() : impl_(std::make_unique<Impl>()) {}
CX11DesktopWindows::~CX11DesktopWindows() = default;

bool CX11DesktopWindows::CanReachOtherWindows() {
    return impl_->connection && !RunsUnderWayland();
}

std::vector<WindowFacts> CX11DesktopWindows::TopLevelWindows() {
    std::vector<WindowFacts> facts;
    if (!impl_->connection) return facts;
    x11::ErrorTrap trap(impl_->d());
    for (Window w : impl_->StackingTopmostFirst()) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(impl_->d(), w, &a)) continue;
        WindowFacts f;
        f.id = w;
        f.mapped = a.map_state == IsViewable;
        f.minimized = impl_->Minimized(w);
        f.title = impl_->TitleOf(w);
        f.kind = impl_->KindOf(w);
        f.ours = impl_->Ours(w);
        facts.push_back(std::move(f));
    }
    return facts;
}

bool CX11DesktopWindows::Activate(std::uint64_t window) {
    if (!impl_->connection) return false;
    Impl& m = *impl_;
    const auto w = static_cast<Window>(window);
    x11::ErrorTrap trap(m.d());
    const bool managed = m.ManagerRuns();
    if (managed) {
        m.AskToActivate(w);
    } else {
        XRaiseWindow(m.d(), w);
        XSetInputFocus(m.d(), w, RevertToParent, CurrentTime);
        XFlush(m.d());
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFocusWaitMs);
    while (std::chrono::steady_clock::now() < end) {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(m.d(), &focus, &revert);
        if (m.FocusIsOn(w, focus)) return true;
        if (trap.Failed()) return false;
        x11::Pause(kFocusPollMs);
    }
    return false;
}

std::optional<ScreenRect> CX11DesktopWindows::TopLevelRectAt(ScreenPoint point) {
    if (!impl_->connection) return std::nullopt;
    Impl& m = *impl_;
    x11::ErrorTrap trap(m.d());
    Window root = None, parent = None, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m.d(), m.connection.Root(), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<ScreenRect> found;
    for (unsigned i = count; i-- > 0 && !found;) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(m.d(), children[i], &a) || a.override_redirect ||
            a.map_state != IsViewable)
            continue;
        const ScreenRect r{a.x, a.y, a.x + a.width + 2 * a.border_width,
                           a.y + a.height + 2 * a.border_width};
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
            found = r;
    }
    if (children) XFree(children);
    return found;
}

}  // namespace vk
