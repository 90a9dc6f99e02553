#include "gui/ui/message_box.h"

#include "core/shell/messages.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {

long MessageBoxStyle(MessageButtons buttons, MessageIcon icon) {
    long style = wxOK;
    switch (buttons) {
        case MessageButtons::kOk:
            style = wxOK;
            break;
        case MessageButtons::kOkCancel:
            style = wxOK | wxCANCEL;
            break;
        case MessageButtons::kYesNo:
            style = wxYES_NO;
            break;
        case MessageButtons::kYesNoCancel:
            style = wxYES_NO | wxCANCEL;
            break;
    }
    switch (icon) {
        case MessageIcon::kDefault:
            break;
        case MessageIcon::kInformation:
            style |= wxICON_INFORMATION;
            break;
        case MessageIcon::kExclamation:
            style |= wxICON_EXCLAMATION;
            break;
        case MessageIcon::kStop:
            style |= wxICON_ERROR;
            break;
        case MessageIcon::kQuestion:
            style |= wxICON_QUESTION;
            break;
    }
    return style;
}

MessageResult MessageResultOf(int buttonId) {
    switch (buttonId) {
        case wxID_YES:
            return MessageResult::kYes;
        case wxID_NO:
            return MessageResult::kNo;
        case wxID_OK:
            return MessageResult::kOk;
        default:
            return MessageResult::kCancel;
    }
}

std::unique_ptr<wxMessageDialog> MakeMessageBox(const std::string& text, long style) {
    // Without an icon bit the toolkit would pick a stock one from the buttons.
    if ((style & wxICON_MASK) == 0) style |= wxICON_NONE;
    // No owner: the box is never hidden behind, or taken down with, one of our windows.
    style |= wxSTAY_ON_TOP | wxDIALOG_NO_PARENT;
    auto box = std::make_unique<wxMessageDialog>(nullptr, ToWx(text), msg::kProgramName, style);
    box->SetIcons(art::ProgramIcons());
    return box;
}

int ShowMessageBox(const std::string& text, long style) {
    // Showing presents the box above every other window: no separate raise is needed.
    return MakeMessageBox(text, style)->ShowModal();
}

}  // namespace vk
