#include "gui/store/gui_user_prompt.h"

#include <wx/toplevel.h>
#include <wx/window.h>

#include "core/store/password_entry.h"
#include "gui/store/enter_password_dlg.h"

namespace vk {

PasswordAnswer CGuiUserPrompt::AskPassword(const PasswordRequest& request) {
    CEnterPasswordDlg dialog(PasswordDialogParent(), request);
    const int code = dialog.ShowModal();
    PasswordAnswer answer;
    if (code == CEnterPasswordDlg::kEndAccepted) {
        answer.outcome = PasswordOutcome::kAccepted;
        answer.password = dialog.Password();
    } else if (code == CEnterPasswordDlg::kEndBrowse && !dialog.NewPath().empty()) {
        answer.outcome = PasswordOutcome::kBrowse;
        answer.newPath = dialog.NewPath();
    }
    return answer;
}

wxWindow* PasswordDialogParent() {
    wxWindow* active = wxGetActiveWindow();
    if (!active) return nullptr;
    wxWindow* top = wxGetTopLevelParent(active);
    return top && top->IsShown() ? top : nullptr;
}

bool UnlockDatabase(bool& locked, const CPasswordStore& store) {
    CGuiUserPrompt prompt;
    return UnlockDatabase(locked, store, prompt);
}

}  // namespace vk
