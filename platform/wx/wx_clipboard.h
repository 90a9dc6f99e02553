#pragma once
#include "core/shell/clipboard.h"

namespace vk {

// The desktop's clipboard (the CLIPBOARD selection on X11) and its primary selection with
// plain text. On X11 it holds our text only while the program runs. Every copy also offers
// the target that asks clipboard managers to keep the text out of their history.
class CWxClipboard : public IClipboard {
  public:
    static constexpr const char* kPasswordHintTarget = "x-kde-passwordManagerHint";

    bool SetText(const std::string& text) override;
    bool GetText(std::string* text) override;
    bool Clear() override;
    bool GetPrimaryText(std::string* text) override;
    bool ClearPrimary() override;
};

}  // namespace vk
