#pragma once
#include <wx/msgdlg.h>

#include <memory>
#include <string>

#include "core/shell/user_prompt.h"

namespace vk {

// The toolkit's style bits for the core's buttons and icon.
long MessageBoxStyle(MessageButtons buttons, MessageIcon icon);

// The answer the core understands for the button that ended a message box.
MessageResult MessageResultOf(int buttonId);

// The program's message box, built but not shown: caption "Vaultkeep", no owner window,
// kept above other windows, the program icon on its frame. When `style` names no icon,
// none of the toolkit's stock icons is put in its place.
std::unique_ptr<wxMessageDialog> MakeMessageBox(const std::string& text, long style);

// Shows the program's message box modally for the whole program and returns the button
// pressed (wxID_OK, wxID_YES, wxID_NO, wxID_CANCEL).
int ShowMessageBox(const std::string& text, long style = wxOK);

}  // namespace vk
