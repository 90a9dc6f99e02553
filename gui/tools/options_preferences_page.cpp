#include "gui/tools/options_preferences_page.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/tools/options_ids.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// Puts a cleaned number back into its box; the caret goes to the end, so no selection stays.
template <class Box>
void ShowCleaned(Box& box, const DigitsInput& input) {
    if (!input.cleaned) return;
    box.ChangeValue(ToWx(input.text));
    box.SetInsertionPointEnd();
}

}  // namespace

CPreferencesPage::CPreferencesPage(wxWindow* parent, COptionsSession& session)
    : COptionsPage(parent, session, kHelpContext) {
    const CSettings& s = session_.Settings();

    auto* clipboard = new wxStaticBoxSizer(wxVERTICAL, this, "Clipboard && locking");
    wxWindow* box = clipboard->GetStaticBox();
    clear_ = AddFlagBox(box, optid::kClearClipboard,
                        "Clear passwords from clipboard after:", &CSettings::clearClipboard);
    seconds_ = new wxTextCtrl(box, optid::kSecondsEdit, ToWx(std::to_string(s.clearSeconds)));
    seconds_->SetMinSize(wxSize(FromDIP(80), -1));
    spin_ =
        new wxSpinButton(box, optid::kSecondsSpin, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    spin_->SetRange(static_cast<int>(kMinSpinSeconds), static_cast<int>(kMaxSpinSeconds));
    spin_->SetValue(static_cast<int>(SpinSeconds(s.clearSeconds, true, 0)));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(clear_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap());
    row->Add(seconds_, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(spin_, 0, wxEXPAND);
    row->Add(new wxStaticText(box, wxID_ANY, "seconds."), 0, wxALIGN_CENTER_VERTICAL | wxLEFT,
             Gap());
    clipboard->Add(row, 0, wxALL, Gap());

    auto* options = new wxStaticBoxSizer(wxVERTICAL, this, "Options");
    box = options->GetStaticBox();
    for (const auto& [id, text, flag] :
         {std::tuple{optid::kMaskPasswords, "Mask passwords", &CSettings::mask},
          std::tuple{optid::kAutosizeColumns, "Autosize columns", &CSettings::autosizeCol},
          std::tuple{optid::kUseSkin, "Use Vaultkeep skin", &CSettings::skinDialog},
          std::tuple{optid::kAutoComplete, "Enable autocomplete", &CSettings::autoComplete}}) {
        options->Add(AddFlagBox(box, id, text, flag), 0, wxALL, Gap());
    }

    auto* dates = new wxStaticBoxSizer(wxVERTICAL, this, "Dates");
    box = dates->GetStaticBox();
    wxArrayString choices;
    for (const char* days : kExpirationDayChoices) choices.Add(days);
    auto* daysLabel = new wxStaticText(box, wxID_ANY, "Default expiration days:");
    expiration_ = new wxComboBox(box, optid::kExpirationDays, wxEmptyString, wxDefaultPosition,
                                 wxDefaultSize, choices);
    expiration_->ChangeValue(ToWx(std::to_string(s.expirationDays)));
    dates->Add(LabelledRow(daysLabel, expiration_), 0, wxALL, Gap());

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(clipboard, 0, wxEXPAND | wxALL, Padding());
    column->Add(options, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    column->Add(dates, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    SetSizer(column);
    EnableSeconds();

    clear_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& e) {
        e.Skip();  // the setting itself follows the box through AddFlagBox
        EnableSeconds();
    });
    seconds_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnSecondsTyped(); });
    // Up and Down in the box step like the spin button beside it.
    seconds_->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_UP || e.GetKeyCode() == WXK_DOWN)
            Spin(e.GetKeyCode() == WXK_UP);
        else
            e.Skip();
    });
    spin_->Bind(wxEVT_SPIN_UP, [this](wxSpinEvent&) { Spin(true); });
    spin_->Bind(wxEVT_SPIN_DOWN, [this](wxSpinEvent&) { Spin(false); });
    expiration_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnExpirationTyped(); });
    expiration_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
        const int choice = expiration_->GetSelection();
        if (choice != wxNOT_FOUND) session_.ChooseExpirationDays(static_cast<std::size_t>(choice));
    });
}

wxWindow* CPreferencesPage::FirstControl() {
    return clear_;
}

void CPreferencesPage::EnableSeconds() {
    seconds_->Enable(clear_->IsChecked());
    spin_->Enable(clear_->IsChecked());
}

void CPreferencesPage::OnSecondsTyped() {
    const DigitsInput input = session_.TypeClearSeconds(FromWx(seconds_->GetValue()));
    ShowCleaned(*seconds_, input);
    spin_->SetValue(static_cast<int>(SpinSeconds(input.value, true, 0)));
}

void CPreferencesPage::Spin(bool up) {
    const std::uint32_t step = acceleration_.Step(clock_.TickMs());
    const std::uint32_t value = SpinSeconds(session_.Settings().clearSeconds, up, step);
    seconds_->SetValue(ToWx(std::to_string(value)));
    seconds_->SetInsertionPointEnd();
}

void CPreferencesPage::OnExpirationTyped() {
    ShowCleaned(*expiration_, session_.TypeExpirationDays(FromWx(expiration_->GetValue())));
}

}  // namespace vk
