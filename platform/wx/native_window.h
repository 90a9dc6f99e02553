#pragma once
#include <cstdint>

class wxWindow;

namespace vk {

// The X11 window id of a top-level window, for the desktop services that activate windows;
// 0 where the window is not (yet) an X11 window.
std::uint64_t NativeWindowId(wxWindow* window);

// Keeps the top-level `window` above `owner`, the way the window manager keeps a dialog above
// the window it belongs to; a null owner lets it go.
void KeepAboveOwner(wxWindow* window, wxWindow* owner);

}  // namespace vk
