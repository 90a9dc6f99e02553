#pragma once

namespace vk {

// How the desktop recognises the program's windows, so that docks and task bars group them
// under the program's desktop entry: on X11 the windows' class (WM_CLASS), which the entry
// names as StartupWMClass; on Wayland the application id, the entry's file name.
struct DesktopIdentity {
    const char* applicationId;  // also the instance part of WM_CLASS
    const char* windowClass;
    const char* name;  // shown for windows without a title of their own
};

// Applies `identity` to every window made from now on. Call it once, before the first window.
void SetDesktopIdentity(const DesktopIdentity& identity);

}  // namespace vk
