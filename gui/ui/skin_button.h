#pragma once
#include <wx/bitmap.h>
#include <wx/control.h>

#include "core/ui/skin_button_look.h"

namespace vk {

// A push button that shows a picture, drawn by the program: one picture while the pointer is
// over it or it is pressed, one at other times, and optionally one while it is disabled. A
// click (or Space or Enter while it has the focus) sends wxEVT_BUTTON with the command's
// number (cmd::WxId) up to the window that holds it.
class CSkinButton : public wxControl {
  public:
    struct Bitmaps {
        wxBitmap hot;       // pointer over it or pressed
        wxBitmap normal;    // none: `hot` serves for both
        wxBitmap disabled;  // none: the normal picture
    };

    // `transparent` leaves that colour out of pictures without an alpha channel (the editor's
    // magenta); invalid for none.
    CSkinButton(wxWindow* parent, int command, const Bitmaps& bitmaps,
                const wxString& tooltip = wxString(), const wxColour& transparent = wxColour());

    int Command() const { return command_; }
    void SetBitmaps(const Bitmaps& bitmaps);
    // A flat button draws no border, or one only while hot or pressed when `borderWhenHot`.
    void SetFlat(bool flat, bool borderWhenHot = true);
    void SetOutline(bool outline);
    // A check-style button stays in while checked and shows its first picture then.
    void SetCheckStyle(bool checkStyle);
    void SetChecked(bool checked);
    bool IsChecked() const { return state_.checked; }
    void SetDefaultLook(bool isDefault);

    // What the button shows now.
    SkinButtonLook Look() const;

    // A button that takes no focus leaves the keyboard where it was when clicked, as a
    // toolbar button does.
    void SetTakesFocus(bool takesFocus) { takesFocus_ = takesFocus; }
    bool AcceptsFocus() const override { return takesFocus_ && IsEnabled(); }
    bool AcceptsFocusFromKeyboard() const override { return AcceptsFocus(); }
    bool Enable(bool enable = true) override;

  protected:
    wxSize DoGetBestClientSize() const override;

  private:
    const wxBitmap& BitmapOf(SkinButtonBitmap which) const;
    void Click();
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);

    int command_;
    Bitmaps bitmaps_;
    wxColour transparent_;
    SkinButtonState state_;
    bool takesFocus_ = true;
};

}  // namespace vk
