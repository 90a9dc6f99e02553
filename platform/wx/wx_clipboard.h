#pragma once
#include "core/shell/clipboard.h"

namespace vk {

// The desktop's clipboard (the CLIPBOARD selection on X11, not the primary selection)
// with plain text. On X11 it holds our text only while the program runs.
class CWxClipboard : public IClipboard {
  public:
    bool SetText(const std::string& text) override;
    bool GetText(std::string* text) override;
    bool Clear() override;
};

}  // namespace vk
