#pragma once
#include <wx/statusbr.h>

class wxStaticBitmap;

namespace vk {

// The main window's status bar: a 16-pixel pane showing whether the file has unsaved
// changes, then three text panes of which the first stretches.
class CModifiedStatusBar : public wxStatusBar {
  public:
    explicit CModifiedStatusBar(wxWindow* parent);
    void SetModified(bool modified);
    bool IsModifiedShown() const { return modified_; }

  private:
    void OnSize(wxSizeEvent& event);
    void PlaceIndicator();

    wxStaticBitmap* indicator_;
    bool modified_ = false;
};

}  // namespace vk
