#pragma once
#include "gui/ui/message_box_prompt.h"

class wxWindow;

namespace vk {

class CPasswordStore;

// The core's prompt in the program: message boxes, and the enter-password dialog when a file
// or the locked database asks for its password.
class CGuiUserPrompt : public CMessageBoxPrompt {
  public:
    PasswordAnswer AskPassword(const PasswordRequest& request) override;
};

// The window a password dialog opens over: the active top-level window, or none.
wxWindow* PasswordDialogParent();

// Unlocks the locked database, asking for its master password when it has one; `locked` is
// cleared on success. True when the database is unlocked afterwards. Putting the program
// icon back into the tray is the caller's job.
bool UnlockDatabase(bool& locked, const CPasswordStore& store);

}  // namespace vk
