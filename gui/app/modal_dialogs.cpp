#include "gui/app/modal_dialogs.h"

#include <wx/dialog.h>

#include <algorithm>

namespace vk {

CModalDialogs::CModalDialogs() {
    Register();
}

CModalDialogs::~CModalDialogs() {
    Unregister();
}

void CModalDialogs::CancelAll() {
    for (wxDialog* dialog : open_)
        if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
}

int CModalDialogs::Enter(wxDialog* dialog) {
    open_.push_back(dialog);
    return wxID_NONE;  // the dialog shows as usual
}

void CModalDialogs::Exit(wxDialog* dialog) {
    open_.erase(std::remove(open_.begin(), open_.end(), dialog), open_.end());
}

}  // namespace vk
