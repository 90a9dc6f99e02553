#include "core/quickaccess/paste_to_application.h"

#include "core/quickaccess/quick_access_messages.h"
#include "core/shell/clipboard_clearer.h"
#include "core/shell/text_encoding.h"
#include "core/store/secure_wipe.h"

namespace vk {

CPasteToApplication::Outcome CPasteToApplication::Paste(const std::string& text, bool sendTab) {
    if (!windows_.CanReachOtherWindows()) {
        if (text.empty()) return Outcome::kNothingTyped;
        if (!toldAboutWayland_) {
            toldAboutWayland_ = true;
            prompt_.ShowMessage(msg::kTypingNotPossible, MessageButtons::kOk,
                                MessageIcon::kInformation);
        }
        clipboard_.CopyText(text, prompt_);
        return Outcome::kCopiedInstead;
    }
    const auto target = ChoosePasteTarget(windows_.TopLevelWindows());
    if (!target || !windows_.Activate(*target)) {
        prompt_.ShowMessage(msg::kNotActivated, MessageButtons::kOk, MessageIcon::kExclamation);
        return Outcome::kNotActivated;
    }
    if (text.empty()) return Outcome::kNothingTyped;
    std::string utf8 = TextAsUtf8(text);
    const bool typed = typer_.TypeText(utf8) && (!sendTab || typer_.PressTab());
    SecureWipe(utf8);
    return typed ? Outcome::kTyped : Outcome::kTypingFailed;
}

}  // namespace vk
