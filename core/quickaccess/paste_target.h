#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vk {

// What the desktop tells about a top-level window, read with limits by the platform layer.
enum class WindowKind { kNormal, kDialog, kOther };

struct WindowFacts {
    std::uint64_t id = 0;
    bool mapped = false;
    bool minimized = false;
    std::string title;
    WindowKind kind = WindowKind::kNormal;
    bool ours = false;  // one of this program's windows
};

// The window a paste types into: the topmost (first) window that is mapped, not minimized,
// titled, an ordinary window or dialog, and not one of ours. Nothing when none qualifies.
std::optional<std::uint64_t> ChoosePasteTarget(const std::vector<WindowFacts>& topmostFirst);

// The desktop's windows, as far as a paste needs them.
class IDesktopWindows {
  public:
    virtual ~IDesktopWindows() = default;
    // False where the program cannot see or activate other programs' windows (Wayland).
    virtual bool CanReachOtherWindows() = 0;
    // The top-level windows, topmost first.
    virtual std::vector<WindowFacts> TopLevelWindows() = 0;
    // Makes `window` the active window and waits, for a short while, until it has the
    // keyboard focus. False when it did not get it.
    virtual bool Activate(std::uint64_t window) = 0;
};

// Types into whatever window has the keyboard focus.
class IKeyTyper {
  public:
    virtual ~IKeyTyper() = default;
    // Every character of `utf8` as it stands: braces, plus signs and the like are letters,
    // not key names. False when a character could not be typed.
    virtual bool TypeText(const std::string& utf8) = 0;
    virtual bool PressTab() = 0;
};

}  // namespace vk
