#include "gui/ui/skin.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/window.h>

namespace vk::skin {
namespace {

bool& EnabledFlag() {
    static bool enabled = true;
    return enabled;
}

// Labels take the skin's black text, panels its background; controls the user types into or
// picks from keep the system's colours, and so does whatever has colours of its own.
void ApplyToChildren(wxWindow* window, const wxColour& background) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel()) continue;
        if (dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxCheckBox*>(child) ||
            dynamic_cast<wxRadioButton*>(child) || dynamic_cast<wxStaticBox*>(child)) {
            if (!child->UseForegroundColour()) child->SetForegroundColour(*wxBLACK);
        } else if (dynamic_cast<wxPanel*>(child) && !child->UseBackgroundColour()) {
            child->SetBackgroundColour(background);
            ApplyToChildren(child, background);
        }
    }
}

}  // namespace

bool Enabled() {
    return EnabledFlag();
}

void SetEnabled(bool enabled) {
    EnabledFlag() = enabled;
}

wxColour ToWx(PackedRgb colour) {
    return wxColour(static_cast<unsigned char>(RedOf(colour)),
                    static_cast<unsigned char>(GreenOf(colour)),
                    static_cast<unsigned char>(BlueOf(colour)));
}

PackedRgb FromWx(const wxColour& colour) {
    return MakeRgb(colour.Red(), colour.Green(), colour.Blue());
}

wxColour DialogBackground() {
    return ToWx(kSkinDialogBackground);
}

wxColour CurrentDialogBackground() {
    return Enabled() ? DialogBackground() : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
}

void Apply(wxWindow* window) {
    if (!window || !Enabled()) return;
    const wxColour background = DialogBackground();
    window->SetBackgroundColour(background);
    ApplyToChildren(window, background);
    window->Refresh();
}

}  // namespace vk::skin
