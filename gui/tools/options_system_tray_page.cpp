#include "gui/tools/options_system_tray_page.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "gui/tools/options_ids.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// The startup entry is a shortcut in the Startup folder on Windows, an autostart entry for
// the desktop session elsewhere; the setting is the same.
#ifdef __WXMSW__
constexpr const char kStartWithSystemText[] = "Start with Windows";
#else
constexpr const char kStartWithSystemText[] = "Start when I log in";
#endif

}  // namespace

CSystemTrayPage::CSystemTrayPage(wxWindow* parent, COptionsSession& session, bool canSetTransparent)
    : COptionsPage(parent, session, kHelpContext) {
    auto* frame = new wxStaticBoxSizer(wxVERTICAL, this, "System tray options");
    wxWindow* box = frame->GetStaticBox();
    trayIcon_ = AddFlagBox(box, optid::kShowTrayIcon, "Show icon in the system tray",
                           &CSettings::sysTrayIcon);
    frame->Add(trayIcon_, 0, wxALL, Gap());
    frame->Add(AddFlagBox(box, optid::kStartWithSystem, kStartWithSystemText,
                          &CSettings::startWithWindows),
               0, wxALL, Gap());
    frame->Add(AddFlagBox(box, optid::kSendTab, "Send tab key after pasting", &CSettings::sendTab),
               0, wxALL, Gap());
    frame->Add(AddFlagBox(box, optid::kDoubleClickPastes,
                          "Double clicking performs a paste operation", &CSettings::doubleClick),
               0, wxALL, Gap());

    auto* label = new wxStaticText(box, optid::kTransparencyLabel, "Transparency:");
    auto* solid = new wxStaticText(box, optid::kSolidLabel, "Solid");
    slider_ = new wxSlider(box, optid::kTransparencySlider,
                           TransparencySliderPosition(session_.Settings().transparency), 0,
                           kMaxTransparencyPosition, wxDefaultPosition, wxSize(FromDIP(160), -1));
    auto* clear = new wxStaticText(box, optid::kClearLabel, "Clear");
    // Wide enough for "100%" whatever it shows now.
    percent_ = new wxStaticText(box, optid::kTransparencyPercent, "100%", wxDefaultPosition,
                                wxDefaultSize, wxST_NO_AUTORESIZE);
    label->Enable(canSetTransparent);
    slider_->Enable(canSetTransparent);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Padding());
    row->Add(solid, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(slider_, 1, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, Gap());
    row->Add(clear, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Padding());
    row->Add(percent_, 0, wxALIGN_CENTER_VERTICAL);
    frame->Add(row, 0, wxEXPAND | wxALL, Gap());

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(frame, 0, wxEXPAND | wxALL, Padding());
    SetSizer(column);
    ShowPercentage();

    slider_->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) {
        session_.MoveTransparencySlider(slider_->GetValue());
        ShowPercentage();
    });
}

wxWindow* CSystemTrayPage::FirstControl() {
    return trayIcon_;
}

void CSystemTrayPage::ShowPercentage() {
    percent_->SetLabel(ToWx(TransparencyPercentText(session_.Settings().transparency)));
}

}  // namespace vk
