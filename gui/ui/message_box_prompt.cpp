#include "gui/ui/message_box_prompt.h"

#include "gui/ui/message_box.h"

namespace vk {

MessageResult CMessageBoxPrompt::ShowMessage(const std::string& text, MessageButtons buttons,
                                             MessageIcon icon) {
    return MessageResultOf(ShowMessageBox(text, MessageBoxStyle(buttons, icon)));
}

PasswordAnswer CMessageBoxPrompt::AskPassword(const PasswordRequest&) {
    return {};
}

}  // namespace vk
