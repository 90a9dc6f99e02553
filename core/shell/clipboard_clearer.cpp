#include "core/shell/clipboard_clearer.h"

#include "core/shell/shell_messages.h"
#include "core/shell/text_encoding.h"
#include "core/store/secure_wipe.h"

namespace vk {

bool CClipboardClearer::CopyText(const std::string& text, IUserPrompt& prompt) {
    // The clipboard holds UTF-8: remember exactly the bytes it will hand back.
    std::string utf8 = TextAsUtf8(text);
    const bool copied = clipboard_.SetText(utf8);
    if (copied) {
        remembered_.Assign(std::string_view(utf8).substr(0, kRememberedBytes));
        copiedAt_ = clock_.TickMs();
    }
    SecureWipe(utf8);
    if (copied && onPending) onPending();
    if (!copied) prompt.ShowMessage(msg::kCopyFailed, MessageButtons::kOk, MessageIcon::kDefault);
    return copied;
}

bool CClipboardClearer::CheckClipboard(std::uint32_t clearSeconds) {
    if (!IsPending()) return false;
    const std::uint64_t now = clock_.TickMs();
    const std::uint64_t elapsed = now > copiedAt_ ? now - copiedAt_ : 0;
    // 0 seconds would take the text away before it can be pasted: the clipboard timer runs
    // every 30 seconds when the setting is 0, and that is the delay the user gets.
    const std::uint64_t delay = clearSeconds == 0 ? kZeroClearSecondsDelay : clearSeconds;
    if (elapsed < delay * 1000) return false;
    return ClearNow();
}

bool CClipboardClearer::ClearNow() {
    if (!IsPending()) return false;
    const bool cleared = ClearWhereHeld();
    remembered_.Clear();
    return cleared;
}

bool CClipboardClearer::ClearWhereHeld() {
    auto holdsOurs = [this](const std::string& held) {
        return std::string_view(held).substr(0, kRememberedBytes) == remembered_.view();
    };
    bool cleared = false;
    std::string held;
    if (clipboard_.GetText(&held) && holdsOurs(held)) cleared = clipboard_.Clear();
    SecureWipe(held);
    held.clear();
    if (clipboard_.GetPrimaryText(&held) && holdsOurs(held))
        cleared = clipboard_.ClearPrimary() || cleared;
    SecureWipe(held);
    return cleared;
}

}  // namespace vk
