#pragma once
#include "gui/tools/options_page.h"

class wxCheckBox;
class wxSlider;
class wxStaticText;

namespace vk {

// "System tray": the tray icon, the start at login, pasting, and the quick-access dialog's
// transparency.
class CSystemTrayPage : public COptionsPage {
  public:
    static constexpr int kHelpContext = 1022;

    // `canSetTransparent`: windows can be made transparent on this display.
    CSystemTrayPage(wxWindow* parent, COptionsSession& session, bool canSetTransparent);

    wxWindow* FirstControl() override;

  private:
    void ShowPercentage();

    wxCheckBox* trayIcon_ = nullptr;
    wxSlider* slider_ = nullptr;
    wxStaticText* percent_ = nullptr;
};

}  // namespace vk
