#pragma once
#include "core/tools/options.h"
#include "gui/tools/options_page.h"
#include "platform/steady_clock.h"

class wxCheckBox;
class wxComboBox;
class wxSpinButton;
class wxSpinEvent;
class wxTextCtrl;

namespace vk {

// "Preferences": the clipboard delay, masking, column sizing, skin, autocomplete and the
// default expiration days.
class CPreferencesPage : public COptionsPage {
  public:
    static constexpr int kHelpContext = 1010;

    CPreferencesPage(wxWindow* parent, COptionsSession& session);

    wxWindow* FirstControl() override;

  private:
    void OnClearClipboard();
    void OnSecondsTyped();
    void Spin(bool up);
    void OnExpirationTyped();
    void EnableSeconds();

    wxCheckBox* clear_ = nullptr;
    wxTextCtrl* seconds_ = nullptr;
    wxSpinButton* spin_ = nullptr;
    wxComboBox* expiration_ = nullptr;
    CSpinAcceleration acceleration_;
    CSteadyClock clock_;
};

}  // namespace vk
