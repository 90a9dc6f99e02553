#include "core/shell/startup_entry.h"

#include "core/shell/shell_messages.h"

namespace vk {

void UpdateStartupEntry(bool startWithSystem, IStartupEntry& entry, IUserPrompt& prompt) {
    if (!entry.IsAvailable()) return;
    if (!startWithSystem) {
        entry.Remove();
        return;
    }
    if (!entry.Write())
        prompt.ShowMessage(msg::kStartupEntryFailed, MessageButtons::kOk, MessageIcon::kStop);
}

}  // namespace vk
