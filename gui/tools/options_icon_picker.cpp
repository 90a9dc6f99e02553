#include "gui/tools/options_icon_picker.h"

#include "core/settings/column_set.h"
#include "gui/tools/options_ids.h"
#include "gui/ui/artwork.h"

namespace vk {

CIconPicker::CIconPicker(wxWindow* parent)
    : wxBitmapComboBox(parent, optid::kIconPicker, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                       0, nullptr, wxCB_READONLY) {
    for (int i = 0; i < kListFieldCount; ++i) Append(wxEmptyString, art::ColumnIcon(i));
    SetSize(GetBestSize());
    Hide();

    Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
        const int chosen = GetSelection();
        if (chosen != wxNOT_FOUND && field_ >= 0 && onChosen) onChosen(field_, chosen);
    });
    Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& e) {
        listOpen_ = true;
        e.Skip();
    });
    Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& e) {
        listOpen_ = false;
        e.Skip();
        CallAfter([this] { HideUnlessFocused(); });
    });
    // While the list is open the focus is in the list, which still belongs to the picker;
    // the order of the toolkit's focus and list events varies, so look once they are over.
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        e.Skip();
        CallAfter([this] { HideUnlessFocused(); });
    });
}

void CIconPicker::HideUnlessFocused() {
    if (!listOpen_ && FindFocus() != this) Hide();
}

void CIconPicker::ShowBeside(wxWindow* button, int field, int iconIndex) {
    field_ = field;
    const wxRect r = button->GetRect();
    int x = r.GetRight() + 1 + 2;
    // Near the page's right edge it drops down on the button's left instead.
    if (x + GetSize().x > GetParent()->GetClientSize().x) x = r.GetLeft() - 2 - GetSize().x;
    Move(x, r.GetTop());
    Show();
    Raise();
    SetSelection(iconIndex);
    SetFocus();
    CallAfter([this] {
        if (IsShown()) Popup();
    });
}

}  // namespace vk
