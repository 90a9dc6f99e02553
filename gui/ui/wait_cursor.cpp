#include "gui/ui/wait_cursor.h"

#include <wx/window.h>

namespace vk {

CWaitCursor::CWaitCursor(wxWindow* window) : window_(window) {
    // Only a window on the screen can hold the mouse; one that holds it already keeps it.
    if (!window_ || !window_->IsShownOnScreen() || window_->HasCapture()) return;
    // A message box during the operation takes the mouse away: that must not count as an
    // error, and the capture must not be released twice.
    window_->Bind(wxEVT_MOUSE_CAPTURE_LOST, &CWaitCursor::OnCaptureLost, this);
    window_->CaptureMouse();
    captured_ = true;
}

CWaitCursor::~CWaitCursor() {
    if (!window_ || !captured_) return;
    window_->Unbind(wxEVT_MOUSE_CAPTURE_LOST, &CWaitCursor::OnCaptureLost, this);
    if (window_->HasCapture()) window_->ReleaseMouse();
}

void CWaitCursor::OnCaptureLost(wxMouseCaptureLostEvent&) {}

}  // namespace vk
