#pragma once
#include <wx/bitmap.h>
#include <wx/panel.h>

class wxSizer;

namespace vk {

// A frame around a group of a dialog's controls, drawn by the program. Flag 2 draws a rounded
// etched frame with the caption at its top; flag 1 fills the frame with the white-to-blue
// gradient (see core/ui/group_frame.h). The grouped controls are made with the box as their
// parent and laid out with SetContent.
class CSkinGroupBox : public wxPanel {
  public:
    CSkinGroupBox(wxWindow* parent, const wxString& caption, unsigned flags);

    unsigned Flags() const { return flags_; }
    // Lays `content` out inside the frame, below the caption.
    void SetContent(wxSizer* content);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    // Room at the top for the caption.
    int CaptionHeight() const;

    unsigned flags_;
    wxBitmap gradient_;  // made on the first paint and whenever the size changes
};

}  // namespace vk
