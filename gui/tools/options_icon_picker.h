#pragma once
#include <wx/bmpcbox.h>

#include <functional>

namespace vk {

// The list of the eleven column icons that drops down beside the icon button clicked: hidden
// until needed, and hidden again when it loses the focus.
class CIconPicker : public wxBitmapComboBox {
  public:
    explicit CIconPicker(wxWindow* parent);

    // Shows the list beside `button` (2 pixels to its right, at its top) for `field`, with the
    // field's current icon selected, opens it and gives it the focus.
    void ShowBeside(wxWindow* button, int field, int iconIndex);
    int Field() const { return field_; }

    // An icon was chosen for the field.
    std::function<void(int field, int iconIndex)> onChosen;

  private:
    void HideUnlessFocused();

    int field_ = -1;
    bool listOpen_ = false;
};

}  // namespace vk
