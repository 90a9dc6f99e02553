#include "gui/ui/modal_loops.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include "gui/ui/help_book.h"

namespace vk {
namespace {

bool OnMainLoop() {
    const wxEventLoopBase* active = wxEventLoopBase::GetActive();
    return !active || !wxTheApp || active == wxTheApp->GetMainLoop();
}

// Looks now and then whether the nested loops have returned. A timer rather than a posted
// call: a call posted from inside the loop that handles posted calls would run at once again
// and never let the loop return.
class CMainLoopWaiter : public wxTimer {
  public:
    explicit CMainLoopWaiter(std::function<void()> action) : action_(std::move(action)) {}
    void Notify() override {
        if (!OnMainLoop()) return;
        Stop();
        const std::function<void()> action = std::move(action_);
        delete this;
        action();
    }

  private:
    std::function<void()> action_;
};

constexpr int kWaitMs = 20;

}  // namespace

bool LeaveModalLoops() {
    bool dialogsOpen = false;
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = dynamic_cast<wxDialog*>(window);
        if (!dialog || !dialog->IsModal()) continue;
        dialogsOpen = true;
        // Ended from inside its own loop: only the loop that runs can be told to stop.
        dialog->CallAfter([dialog] {
            if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
        });
    }
    CloseHelp();
    wxEventLoopBase* active = wxEventLoopBase::GetActive();
    const bool nested = !OnMainLoop();
    // A nested loop that no dialog owns any more would never return by itself.
    if (nested && !dialogsOpen && active->IsRunning()) active->ScheduleExit();
    return nested;
}

void WhenBackOnMainLoop(std::function<void()> action) {
    if (OnMainLoop()) {
        action();
        return;
    }
    (new CMainLoopWaiter(std::move(action)))->Start(kWaitMs);
}

}  // namespace vk
