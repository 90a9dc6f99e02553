#pragma once
#include <wx/colour.h>

#include "core/ui/colour.h"

class wxWindow;

// The program's light skin for dialogs: while it is on, dialogs are painted RGB(240, 240, 248)
// with black labels; edits, lists and buttons keep the system's look. The application turns
// it on or off from the SkinDialog setting; windows opened afterwards follow.
namespace vk::skin {

bool Enabled();
void SetEnabled(bool enabled);

wxColour ToWx(PackedRgb colour);
PackedRgb FromWx(const wxColour& colour);

// The skin's dialog background.
wxColour DialogBackground();
// The background a dialog shows now: the skin's, or the system's face colour.
wxColour CurrentDialogBackground();

// Colours `window` (a dialog or page) and its panels and labels for the skin; with the skin
// off the system's colours stay.
void Apply(wxWindow* window);

}  // namespace vk::skin
