// Another X client for the tests, without any toolkit.
//
//   vk_x11_probe window TITLE [utility] [iconic]
//     Shows a window ("" for an untitled one), prints "ready WINDOW-ID" once it is on screen,
//     then one line per key typed into it: the character as UTF-8, or "<Tab>" and "<Return>".
//   vk_x11_probe read SELECTION TARGET
//     Prints "text:" and what the owner of SELECTION gives for TARGET, or "none".
//   vk_x11_probe manager
//     A clipboard manager: whenever another program owns CLIPBOARD, it copies the text and
//     takes the clipboard over, as such managers do; prints "took N" with the text's length.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

Display* d = nullptr;

Atom A(const char* name) {
    return XInternAtom(d, name, False);
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int RunWindow(const char* title, bool utility, bool iconic) {
    std::setlocale(LC_ALL, "C.UTF-8");
    XSetLocaleModifiers("@im=none");
    const Window w =
        XCreateSimpleWindow(d, DefaultRootWindow(d), 100, 100, 300, 100, 1, 0, 0xFFFFFF);
    if (*title) {
        XStoreName(d, w, title);
        XChangeProperty(d, w, A("_NET_WM_NAME"), A("UTF8_STRING"), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title),
                        static_cast<int>(std::strlen(title)));
    }
    if (utility) {
        const Atom type = A("_NET_WM_WINDOW_TYPE_UTILITY");
        XChangeProperty(d, w, A("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&type), 1);
    }
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = iconic ? IconicState : NormalState;
    XSetWMHints(d, w, &hints);
    XSelectInput(d, w, KeyPressMask | StructureNotifyMask | FocusChangeMask);
    XIM im = XOpenIM(d, nullptr, nullptr, nullptr);
    XIC ic = im ? XCreateIC(im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                            w, XNFocusWindow, w, nullptr)
                : nullptr;
    XMapWindow(d, w);
    XFlush(d);
    if (iconic) Say("ready " + std::to_string(w));
    for (;;) {
        XEvent e;
        XNextEvent(d, &e);
        if (XFilterEvent(&e, None)) continue;
        if (e.type == MapNotify) Say("ready " + std::to_string(w));
        if (e.type == MappingNotify) XRefreshKeyboardMapping(&e.xmapping);
        if (e.type != KeyPress) continue;
        char buffer[64] = {};
        KeySym sym = NoSymbol;
        Status status = 0;
        const int n = ic ? Xutf8LookupString(ic, &e.xkey, buffer, sizeof buffer - 1, &sym, &status)
                         : XLookupString(&e.xkey, buffer, sizeof buffer - 1, &sym, nullptr);
        if (sym == XK_Tab)
            Say("<Tab>");
        else if (sym == XK_Return)
            Say("<Return>");
        else if (n > 0)
            Say(std::string(buffer, static_cast<std::size_t>(n)));
    }
}

// What the owner of `selection` gives for `target`; false when it gives nothing.
bool Read(Window w, Atom selection, Atom target, std::string* out) {
    const Atom into = A("VK_PROBE");
    XConvertSelection(d, selection, target, into, w, CurrentTime);
    XFlush(d);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
        if (!XPending(d)) {
            pollfd fd{ConnectionNumber(d), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != SelectionNotify) continue;
        if (e.xselection.property == None) return false;
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(d, w, into, 0, 1 << 16, True, AnyPropertyType, &actual, &format, &count,
                           &after, &data);
        if (format == 8 && data) out->assign(reinterpret_cast<char*>(data), count);
        if (data) XFree(data);
        return true;
    }
    return false;
}

int RunRead(const char* selection, const char* target) {
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    std::string text;
    if (!Read(w, A(selection), A(target), &text)) {
        Say("none");
        return 0;
    }
    Say("text:" + text);
    return 0;
}

int RunManager() {
    const Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = A("CLIPBOARD");
    std::string held;
    Say("ready");
    for (;;) {
        const Window owner = XGetSelectionOwner(d, clipboard);
        if (owner != None && owner != w) {
            std::string text;
            if (Read(w, clipboard, A("UTF8_STRING"), &text)) {
                held = text;
                XSetSelectionOwner(d, clipboard, w, CurrentTime);
                Say("took " + std::to_string(held.size()));
            }
        }
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != SelectionRequest) continue;
            const XSelectionRequestEvent& r = e.xselectionrequest;
            XSelectionEvent reply{SelectionNotify, 0,        True, r.display, r.requestor,
                                  r.selection,     r.target, None, r.time};
            if (r.target == A("UTF8_STRING")) {
                XChangeProperty(d, r.requestor, r.property, r.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(held.data()),
                                static_cast<int>(held.size()));
                reply.property = r.property;
            } else if (r.target == A("TARGETS")) {
                const Atom targets[] = {A("TARGETS"), A("UTF8_STRING")};
                XChangeProperty(d, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(targets), 2);
                reply.property = r.property;
            }
            XSendEvent(d, r.requestor, False, 0, reinterpret_cast<XEvent*>(&reply));
        }
        XFlush(d);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

int main(int argc, char** argv) {
    d = XOpenDisplay(nullptr);
    if (!d || argc < 2) return 2;
    const std::string mode = argv[1];
    if (mode == "window" && argc >= 3) {
        bool utility = false, iconic = false;
        for (int i = 3; i < argc; ++i) {
            utility = utility || std::strcmp(argv[i], "utility") == 0;
            iconic = iconic || std::strcmp(argv[i], "iconic") == 0;
        }
        return RunWindow(argv[2], utility, iconic);
    }
    if (mode == "read" && argc == 4) return RunRead(argv[2], argv[3]);
    if (mode == "manager") return RunManager();
    return 2;
}
