#pragma once
#include <wx/panel.h>

#include "core/tools/options.h"

class wxCheckBox;
class wxSizer;

namespace vk {

// A page of the options sheet: it works on the settings through the sheet's session and
// knows which of its controls takes the focus when it becomes current.
class COptionsPage : public wxPanel {
  public:
    COptionsPage(wxWindow* parent, COptionsSession& session, int helpContext);

    // The control that has the focus when the page becomes current.
    virtual wxWindow* FirstControl() = 0;
    // Hands over what an edit holds that no event has handed over yet, such as a name typed
    // and confirmed with Enter without leaving its edit.
    virtual void TakeEdits() {}
    // The help topic of the page.
    int HelpContext() const { return helpContext_; }

  protected:
    // A check box standing for a setting: it shows the setting and changes it when clicked.
    wxCheckBox* AddFlagBox(wxWindow* parent, int id, const wxString& text, bool CSettings::*flag);
    // A label and its control side by side; the control takes `proportion` of spare width.
    wxSizer* LabelledRow(wxWindow* label, wxWindow* control, int proportion = 0) const;
    int Gap() const { return FromDIP(6); }
    int Padding() const { return FromDIP(12); }

    COptionsSession& session_;

  private:
    int helpContext_;
};

}  // namespace vk
