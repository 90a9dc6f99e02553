#pragma once
#include <string>

namespace vk {

// The system clipboard with plain text. Text goes in and comes out as UTF-8; every call
// reports whether the clipboard could be used at all.
class IClipboard {
  public:
    virtual ~IClipboard() = default;
    // Replaces whatever the clipboard holds with `text`.
    virtual bool SetText(const std::string& text) = 0;
    // False when the clipboard cannot be opened or holds no plain text.
    virtual bool GetText(std::string* text) = 0;
    // Leaves the clipboard empty, also where a clipboard manager had taken the text over.
    virtual bool Clear() = 0;

    // The primary selection (on X11 the text last selected), where the system has one.
    virtual bool GetPrimaryText(std::string* /*text*/) { return false; }
    virtual bool ClearPrimary() { return false; }
};

}  // namespace vk
