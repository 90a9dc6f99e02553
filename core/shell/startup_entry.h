#pragma once
#include "core/shell/user_prompt.h"

namespace vk {

// The entry that starts the program in the tray when the user logs in.
class IStartupEntry {
  public:
    virtual ~IStartupEntry() = default;
    // False when the entry cannot be made on this system at all; nothing happens then.
    virtual bool IsAvailable() = 0;
    // Writes the entry, replacing an older one.
    virtual bool Write() = 0;
    virtual void Remove() = 0;
};

// Keeps the entry in step with the `StartWithWindows` setting: written while it is on
// ("Unable to add startup shortcut entry." with the stop icon when that fails), removed
// while it is off.
void UpdateStartupEntry(bool startWithSystem, IStartupEntry& entry, IUserPrompt& prompt);

}  // namespace vk
