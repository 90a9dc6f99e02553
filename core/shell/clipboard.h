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
    virtual bool Clear() = 0;
};

}  // namespace vk
