#pragma once
#include "core/shell/user_prompt.h"

namespace vk {

// Answers the core with the program's message box. Asking for a password belongs to the
// password dialogs, which override AskPassword; here it is always cancelled.
class CMessageBoxPrompt : public IUserPrompt {
  public:
    MessageResult ShowMessage(const std::string& text, MessageButtons buttons,
                              MessageIcon icon) override;
    PasswordAnswer AskPassword(const PasswordRequest& request) override;
};

}  // namespace vk
