#include "platform/x11_support.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace vk::x11 {
namespace {

int trappedErrors = 0;

int CountError(Display*, XErrorEvent*) {
    ++trappedErrors;
    return 0;
}

}  // namespace

Connection::Connection() {
    const char* name = std::getenv("DISPLAY");
    if (name && *name) display_ = XOpenDisplay(nullptr);
}

Connection::~Connection() {
    if (display_) XCloseDisplay(display_);
}

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);
    trappedErrors = 0;
    previous_ = XSetErrorHandler(CountError);
}

ErrorTrap::~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

bool ErrorTrap::Failed() {
    XSync(display_, False);
    return trappedErrors != 0;
}

std::vector<unsigned long> ReadLongs(Display* d, Window window, Atom property, Atom type,
                                     std::size_t maxItems) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(d, window, property, 0, static_cast<long>(maxItems), False, type,
                           &actualType, &format, &count, &after, &data) != Success)
        return items;
    // Format 32 arrives as longs in the client, whatever their size.
    if (data && format == 32 && actualType != None) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + std::min<unsigned long>(count, maxItems));
    }
    if (data) XFree(data);
    return items;
}

std::optional<std::string> ReadBytes(Display* d, Window window, Atom property, Atom type,
                                     std::size_t maxBytes, Atom* actualTypeOut) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    // The length is asked for in 32-bit units.
    const long units = static_cast<long>((maxBytes + 3) / 4);
    if (XGetWindowProperty(d, window, property, 0, units, False, type, &actualType, &format, &count,
                           &after, &data) != Success)
        return std::nullopt;
    std::optional<std::string> text;
    if (data && format == 8 && actualType != None)
        text.emplace(reinterpret_cast<const char*>(data), std::min<std::size_t>(count, maxBytes));
    if (data) XFree(data);
    if (actualTypeOut) *actualTypeOut = actualType;
    return text;
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace vk::x11
