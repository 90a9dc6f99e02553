#pragma once
#include <wx/event.h>
#include <wx/utils.h>

class wxWindow;

namespace vk {

// The busy cursor for as long as the object lives, with the mouse held by `window` so that
// clicks during a long operation do not reach other controls. The old cursor and the
// mouse come back when it ends.
class CWaitCursor {
  public:
    explicit CWaitCursor(wxWindow* window);
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    bool HasCapture() const { return captured_; }

  private:
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    wxBusyCursor busy_;
    wxWindow* window_ = nullptr;
    bool captured_ = false;
};

}  // namespace vk
