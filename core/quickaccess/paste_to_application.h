#pragma once
#include <string>

#include "core/quickaccess/paste_target.h"

namespace vk {

class CClipboardClearer;
class IUserPrompt;

// Types a stored value into the window the user worked in before the quick-access dialog:
// finds it, activates it, waits until it has the focus and only then types, so a secret
// never lands in a window that merely happened to be in front.
class CPasteToApplication {
  public:
    enum class Outcome {
        kTyped,          // the target got the text (and the Tab)
        kNothingTyped,   // the target was activated; the text was empty
        kNotActivated,   // no target, or it did not take the focus: nothing typed
        kCopiedInstead,  // the desktop lets no program type into another
        kTypingFailed,   // the target had the focus but a key could not be typed
    };

    CPasteToApplication(IDesktopWindows& windows, IKeyTyper& typer, CClipboardClearer& clipboard,
                        IUserPrompt& prompt)
        : windows_(windows), typer_(typer), clipboard_(clipboard), prompt_(prompt) {}

    // `text` as stored (any encoding); one Tab key press follows it when `sendTab` is set.
    Outcome Paste(const std::string& text, bool sendTab);

  private:
    IDesktopWindows& windows_;
    IKeyTyper& typer_;
    CClipboardClearer& clipboard_;
    IUserPrompt& prompt_;
    bool toldAboutWayland_ = false;
};

}  // namespace vk
