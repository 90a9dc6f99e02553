#pragma once
// Xlib helpers shared by the X11 services of this folder; included by their sources only, so
// that Xlib's macros stay out of the rest of the program.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vk::x11 {

// A connection of our own to the X server named by DISPLAY.
class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Display* get() const { return display_; }
    explicit operator bool() const { return display_ != nullptr; }
    Atom AtomOf(const char* name) const { return XInternAtom(display_, name, False); }
    Window Root() const { return DefaultRootWindow(display_); }

  private:
    Display* display_ = nullptr;
};

// While it lives, X errors (a window that vanished meanwhile) are counted instead of ending
// the process; it waits for the server's answers before it lets go.
class ErrorTrap {
  public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // True when an error arrived since the trap was set (waits for the server first).
    bool Failed();

  private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

// A property of `window` of type `type` (AnyPropertyType for any) and format 32, at most
// `maxItems` items; other programs' windows are read with such limits only.
std::vector<unsigned long> ReadLongs(Display* d, Window window, Atom property, Atom type,
                                     std::size_t maxItems);
// A format-8 property, at most `maxBytes` bytes; nothing when absent or of another format.
std::optional<std::string> ReadBytes(Display* d, Window window, Atom property, Atom type,
                                     std::size_t maxBytes, Atom* actualType = nullptr);

// Sleeps for `ms` milliseconds.
void Pause(int ms);

}  // namespace vk::x11
