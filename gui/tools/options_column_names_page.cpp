#include "gui/tools/options_column_names_page.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/tools/options_messages.h"
#include "gui/store/secret_edit.h"
#include "gui/tools/options_icon_picker.h"
#include "gui/tools/options_ids.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {

CColumnNamesPage::CColumnNamesPage(wxWindow* parent, COptionsSession& session)
    : COptionsPage(parent, session, kHelpContext) {
    // Created in Tab order: the eleven names first, then their icon buttons.
    std::array<wxStaticText*, kListFieldCount> labels{};
    for (int field = 0; field < kListFieldCount; ++field) {
        const auto i = static_cast<std::size_t>(field);
        labels[i] =
            new wxStaticText(this, wxID_ANY, ToWx(LabelText(DefaultFieldName(field)) + ":"));
        edits_[i] = new wxTextCtrl(this, optid::kFirstNameEdit + field);
        edits_[i]->SetMinSize(wxSize(FromDIP(150), -1));
    }
    for (int field = 0; field < kListFieldCount; ++field) {
        const auto i = static_cast<std::size_t>(field);
        buttons_[i] =
            new wxBitmapButton(this, optid::kFirstIconButton + field, art::ColumnIcon(field));
        buttons_[i]->Bind(wxEVT_BUTTON, [this, field](wxCommandEvent&) { OnIconButton(field); });
        edits_[i]->Bind(wxEVT_TEXT, [this, field](wxCommandEvent&) {
            wxTextCtrl& edit = *NameEdit(field);
            CutEditToBytes(edit, kMaxColumnNameBytes);
            session_.SetColumnName(field, FromWx(edit.GetValue()));
        });
    }
    auto* restore = new wxButton(this, optid::kRestoreNames, "Restore defaults");
    passwordMessage_ =
        new wxStaticText(this, optid::kPasswordIconMessage, msg::kCannotChangePasswordIcon);
    dateMessage_ = new wxStaticText(this, optid::kDateIconMessage, msg::kCannotChangeDateIcon);
    for (wxStaticText* message : {passwordMessage_, dateMessage_}) {
        message->SetForegroundColour(wxColour(192, 0, 0));
        // Keeps the room of its text when emptied.
        message->SetMinSize(message->GetBestSize());
    }
    picker_ = new CIconPicker(this);
    picker_->onChosen = [this](int field, int iconIndex) { OnIconChosen(field, iconIndex); };

    // Six rows down the first half and five down the second, in field order.
    constexpr int kRows = 6;
    auto* grid = new wxFlexGridSizer(6, Gap(), Gap());
    for (int row = 0; row < kRows; ++row) {
        for (int field : {row, row + kRows}) {
            if (field >= kListFieldCount) break;
            const auto i = static_cast<std::size_t>(field);
            grid->Add(labels[i], 0, wxALIGN_CENTER_VERTICAL | (field >= kRows ? wxLEFT : 0),
                      Padding());
            grid->Add(edits_[i], 0, wxALIGN_CENTER_VERTICAL);
            grid->Add(buttons_[i], 0, wxALIGN_CENTER_VERTICAL);
        }
    }
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    auto* messages = new wxBoxSizer(wxVERTICAL);
    messages->Add(passwordMessage_, 0, wxBOTTOM, Gap());
    messages->Add(dateMessage_);
    bottom->Add(messages, 1, wxALIGN_CENTER_VERTICAL);
    bottom->Add(restore, 0, wxALIGN_BOTTOM | wxLEFT, Padding());
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid, 0, wxEXPAND | wxALL, Padding());
    column->Add(bottom, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    SetSizer(column);
    Refresh();
    passwordMessage_->SetLabel(wxEmptyString);
    dateMessage_->SetLabel(wxEmptyString);

    restore->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        session_.RestoreNamesAndIcons();
        Refresh();
    });
}

wxWindow* CColumnNamesPage::FirstControl() {
    return NameEdit(0);
}

wxString CColumnNamesPage::PasswordMessage() const {
    return passwordMessage_->GetLabel();
}

wxString CColumnNamesPage::DateMessage() const {
    return dateMessage_->GetLabel();
}

void CColumnNamesPage::Refresh() {
    // Showing the names sends no change: only what the user types counts as one.
    for (int field = 0; field < kListFieldCount; ++field) {
        NameEdit(field)->ChangeValue(
            ToWx(session_.Settings().columnNames[static_cast<std::size_t>(field)]));
        ShowIcon(field);
    }
}

void CColumnNamesPage::ShowIcon(int field) {
    IconButton(field)->SetBitmap(art::ColumnIcon(IconIndexOfField(session_.Settings(), field)));
}

void CColumnNamesPage::OnIconButton(int field) {
    passwordMessage_->SetLabel(wxEmptyString);
    dateMessage_->SetLabel(wxEmptyString);
    switch (IconChangeRefusal(field)) {
        case IconRefusal::kPassword:
            passwordMessage_->SetLabel(IconRefusalText(IconRefusal::kPassword));
            return;
        case IconRefusal::kDate:
            dateMessage_->SetLabel(IconRefusalText(IconRefusal::kDate));
            return;
        case IconRefusal::kNone:
            break;
    }
    picker_->ShowBeside(IconButton(field), field, IconIndexOfField(session_.Settings(), field));
}

void CColumnNamesPage::OnIconChosen(int field, int iconIndex) {
    if (!session_.SetColumnIcon(field, iconIndex)) return;
    wxBitmapButton* button = IconButton(field);
    button->Hide();
    ShowIcon(field);
    button->Show();
    button->SetFocus();
}

}  // namespace vk
