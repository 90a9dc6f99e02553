#pragma once
#include <wx/bitmap.h>
#include <wx/eventfilter.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include <cstdint>
#include <string>

#include "core/ui/balloon_layout.h"

namespace vk {

// A speech bubble: a rounded body with a tail whose tip points at an anchor on the screen,
// an optional icon, a bold title and the content text. It closes on the events its option
// bits name (clicks and key presses in any of the program's windows, moving the pointer
// away, a close button, a timeout) and deletes itself.
class CBalloonHelpWnd : public wxFrame, public wxEventFilter {
  public:
    // A balloon at `anchor` (screen coordinates) over `owner`, not shown yet; `timeoutMs` 0
    // for none. Showing it may run the toolkit's events: keep the pointer first.
    static CBalloonHelpWnd* Create(wxWindow* owner, const std::string& title,
                                   const std::string& content, const wxPoint& anchor,
                                   const wxBitmap& icon, std::uint32_t options, int timeoutMs = 0);
    // Creates a balloon and shows it.
    static CBalloonHelpWnd* Launch(wxWindow* owner, const std::string& title,
                                   const std::string& content, const wxPoint& anchor,
                                   const wxBitmap& icon, std::uint32_t options, int timeoutMs = 0);
    ~CBalloonHelpWnd() override;

    // Closes it now (or starts the timeout first where the options ask for a delay).
    void Close();
    const BalloonLayout& Layout() const { return layout_; }

    int FilterEvent(wxEvent& event) override;

  private:
    CBalloonHelpWnd(wxWindow* owner, const std::string& title, const std::string& content,
                    const wxPoint& anchor, const wxBitmap& icon, std::uint32_t options,
                    int timeoutMs);
    wxString LinesThatFit(const wxString& wrapped);
    void Place();
    void OnPaint(wxPaintEvent& event);
    void React(BalloonAction action);

    wxString title_;
    wxString content_;  // wrapped into lines
    wxBitmap icon_;
    wxPoint anchor_;
    std::uint32_t options_;
    int timeoutMs_;
    wxTimer timer_;
    wxPoint openedAt_;
    BalloonLayout layout_;
    bool closing_ = false;
};

}  // namespace vk
