#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/shell/clipboard.h"
#include "core/shell/clock.h"
#include "core/shell/user_prompt.h"
#include "core/store/secret_string.h"

namespace vk {

// Copies the program's text to the clipboard and takes it away again after a delay, but
// only while the clipboard still holds it: what the user copied meanwhile is never removed.
class CClipboardClearer {
  public:
    // How much of a copied text is remembered and compared.
    static constexpr std::size_t kRememberedBytes = 80;

    CClipboardClearer(IClipboard& clipboard, IClock& clock)
        : clipboard_(clipboard), clock_(clock) {}

    // Puts `text` (stored text, any encoding) on the clipboard as UTF-8. On failure shows
    // "Unable to copy text to the clipboard" and keeps an earlier copy pending, so a
    // password copied before is still cleared.
    bool CopyText(const std::string& text, IUserPrompt& prompt);

    // The timer's check: once `clearSeconds` have passed since the copy, empties the
    // clipboard and the primary selection wherever they still start with the remembered
    // text, then forgets that text either way. Returns true when something was emptied.
    // A `clearSeconds` of 0 waits kZeroClearSecondsDelay.
    bool CheckClipboard(std::uint32_t clearSeconds);
    static constexpr std::uint32_t kZeroClearSecondsDelay = 30;
    // The same at once, whatever the time: when the program ends with a copy pending.
    bool ClearNow();

    bool IsPending() const { return !remembered_.empty(); }
    // The clipboard itself, for reading what the user copied.
    IClipboard& Clipboard() { return clipboard_; }
    // Called after every copy that is now waiting to be cleared.
    std::function<void()> onPending;

  private:
    bool ClearWhereHeld();

    IClipboard& clipboard_;
    IClock& clock_;
    SecretString remembered_;  // the first bytes of the copied text; empty: nothing pending
    std::uint64_t copiedAt_ = 0;
};

// How often a pending copy is checked: every second, so that a copy is gone at most a
// second after its time is up whatever `ClearSeconds` is.
constexpr int kClipboardCheckPeriodMs = 1000;

}  // namespace vk
