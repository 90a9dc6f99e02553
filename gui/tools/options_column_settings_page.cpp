#include "gui/tools/options_column_settings_page.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include "core/settings/stored_value.h"
#include "gui/store/secret_edit.h"
#include "gui/tools/options_ids.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// Long names, or names of wide letters, are shown cut with "…" where room is short, so that
// the page keeps its size; the tooltips and the edit show them whole.
constexpr std::size_t kShownNameChars = 64;
constexpr int kBoxLabelWidth = 170;
constexpr int kButtonLabelWidth = 140;
constexpr int kFrameLabelWidth = 320;
constexpr int kChoiceEntryWidth = 160;

constexpr std::array<int, kCategoryCount> kCategoryButtonIds = {
    optid::kCategory1Button, optid::kCategory2Button, optid::kCategory3Button,
    optid::kCategory4Button};

// `label` cut to `width` (independent pixels) in `control`'s font; "&&" counts as one "&".
wxString Fitted(wxWindow* control, const std::string& label, int width,
                wxEllipsizeMode mode = wxELLIPSIZE_END,
                int flags = wxELLIPSIZE_FLAGS_PROCESS_MNEMONICS) {
    wxClientDC dc(control);
    dc.SetFont(control->GetFont());
    return wxControl::Ellipsize(ToWx(label), dc, mode, control->FromDIP(width), flags);
}

std::string ShownLabel(const std::string& name) {
    return LabelText(ShortName(name, kShownNameChars));
}

}  // namespace

CColumnSettingsPage::CColumnSettingsPage(wxWindow* parent, COptionsSession& session)
    : COptionsPage(parent, session, kHelpContext) {
    // Created in Tab order: the name, the column boxes, the categories, the rest.
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Category name:");
    name_ = new wxTextCtrl(this, optid::kCategoryName);
    auto* columns = new wxStaticBoxSizer(wxVERTICAL, this, " ");
    frame_ = columns->GetStaticBox();
    frame_->SetId(optid::kColumnsFrame);
    for (int field = 0; field < kListFieldCount; ++field) {
        auto& box = boxes_[static_cast<std::size_t>(field)];
        box = new wxCheckBox(frame_, optid::kFirstColumnBox + field, " ");
        box->Bind(wxEVT_CHECKBOX, [this, field](wxCommandEvent&) { OnColumnBox(field); });
    }
    // Six boxes down the first column and five down the second, in field order.
    constexpr int kRows = 6;
    auto* grid = new wxFlexGridSizer(2, Gap(), Padding());
    for (int row = 0; row < kRows; ++row) {
        grid->Add(ColumnBox(row));
        if (row + kRows < kListFieldCount) grid->Add(ColumnBox(row + kRows));
    }
    columns->Add(grid, 0, wxALL, Gap());

    auto* categories = new wxBoxSizer(wxVERTICAL);
    for (int category = 1; category <= kCategoryCount; ++category) {
        auto& button = buttons_[static_cast<std::size_t>(category - 1)];
        button = new wxToggleButton(
            this, kCategoryButtonIds[static_cast<std::size_t>(category - 1)], " ");
        button->Bind(wxEVT_TOGGLEBUTTON,
                     [this, category](wxCommandEvent&) { OnCategoryButton(category); });
        categories->Add(button, 0, wxEXPAND | wxBOTTOM, Gap());
    }
    auto* defaultLabel = new wxStaticText(this, wxID_ANY, "Default category:");
    defaultCategory_ = new wxChoice(this, optid::kDefaultCategory);
    auto* restore = new wxButton(this, optid::kRestoreCategory, "Restore defaults");

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(LabelledRow(nameLabel, name_, 1), 0, wxEXPAND | wxBOTTOM, Gap());
    right->Add(columns, 1, wxEXPAND);
    auto* middle = new wxBoxSizer(wxHORIZONTAL);
    middle->Add(categories, 0, wxEXPAND | wxRIGHT, Padding());
    middle->Add(right, 1, wxEXPAND);
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(LabelledRow(defaultLabel, defaultCategory_), 0, wxALIGN_CENTER_VERTICAL);
    bottom->AddStretchSpacer();
    bottom->Add(restore, 0, wxALIGN_CENTER_VERTICAL);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(middle, 1, wxEXPAND | wxALL, Padding());
    column->Add(bottom, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Padding());
    SetSizer(column);

    name_->SetMinSize(wxSize(FromDIP(200), -1));
    FillDefaultCategories();
    defaultCategory_->SetSelection(NormaliseCategory(session_.Settings().defaultCategory) - 1);
    Refresh();

    name_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        nameTyped_ = true;
        CutEditToBytes(*name_, kMaxCategoryNameBytes);
    });
    name_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        e.Skip();
        TakeName();
    });
    defaultCategory_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        const int entry = defaultCategory_->GetSelection();
        if (entry != wxNOT_FOUND) session_.ChooseDefaultCategory(static_cast<std::size_t>(entry));
    });
    restore->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        session_.RestoreCategoryDefaults();
        nameTyped_ = false;
        Refresh();
        FillDefaultCategories();
    });
}

wxWindow* CColumnSettingsPage::FirstControl() {
    return name_;
}

void CColumnSettingsPage::TakeEdits() {
    TakeName();
}

wxToggleButton* CColumnSettingsPage::CategoryButton(int category) const {
    return buttons_[static_cast<std::size_t>(NormaliseCategory(category) - 1)];
}

wxCheckBox* CColumnSettingsPage::ColumnBox(int field) const {
    return boxes_[static_cast<std::size_t>(field)];
}

void CColumnSettingsPage::Refresh() {
    ShowCategoryNames();
    ShowColumnBoxes();
    const CSettings& s = session_.Settings();
    for (int field = 0; field < kListFieldCount; ++field)
        ColumnBox(field)->SetLabel(
            Fitted(ColumnBox(field), ShownLabel(s.columnNames[static_cast<std::size_t>(field)]),
                   kBoxLabelWidth));
    Layout();
}

void CColumnSettingsPage::ShowCategoryNames() {
    const CSettings& s = session_.Settings();
    const std::int32_t current = session_.CurrentCategory();
    for (int category = 1; category <= kCategoryCount; ++category) {
        const std::string& name = s.categoryNames[static_cast<std::size_t>(category - 1)];
        wxToggleButton* button = CategoryButton(category);
        button->SetLabel(Fitted(button, ShownLabel(name), kButtonLabelWidth));
        button->SetToolTip(ToWx(ShortName(name, kStoredTextBytes)));
        button->SetValue(category == current);
    }
    const std::string& name = s.categoryNames[static_cast<std::size_t>(current - 1)];
    name_->ChangeValue(ToWx(name));
    nameTyped_ = false;
    frame_->SetLabel(Fitted(frame_, ColumnsFrameText(ShortName(name, kShownNameChars)),
                            kFrameLabelWidth, wxELLIPSIZE_MIDDLE));
}

void CColumnSettingsPage::ShowColumnBoxes() {
    const ColumnChoice shown =
        ShownColumns(session_.Settings().ColumnsOf(session_.CurrentCategory()));
    for (int field = 0; field < kListFieldCount; ++field)
        ColumnBox(field)->SetValue(shown[static_cast<std::size_t>(field)]);
}

void CColumnSettingsPage::FillDefaultCategories() {
    const int selected = defaultCategory_->GetSelection();
    defaultCategory_->Clear();
    for (int category = 1; category <= kCategoryCount; ++category) {
        defaultCategory_->Append(Fitted(
            defaultCategory_,
            ShortName(session_.Settings().categoryNames[static_cast<std::size_t>(category - 1)],
                      kShownNameChars),
            kChoiceEntryWidth, wxELLIPSIZE_END, wxELLIPSIZE_FLAGS_NONE));
    }
    if (selected != wxNOT_FOUND) defaultCategory_->SetSelection(selected);
}

void CColumnSettingsPage::OnCategoryButton(int category) {
    TakeName();
    session_.SelectCategory(category);
    ShowCategoryNames();
    ShowColumnBoxes();
}

void CColumnSettingsPage::OnColumnBox(int field) {
    ColumnChoice ticked{};
    for (int f = 0; f < kListFieldCount; ++f)
        ticked[static_cast<std::size_t>(f)] = ColumnBox(f)->IsChecked();
    if (!session_.ClickColumnBox(ticked)) {
        // Refused: the box shows the column the category keeps.
        ShowColumnBoxes();
        ColumnBox(field)->SetFocus();
    }
}

void CColumnSettingsPage::TakeName() {
    if (!nameTyped_) return;
    nameTyped_ = false;
    session_.RenameCurrentCategory(FromWx(name_->GetValue()));
    ShowCategoryNames();
    FillDefaultCategories();
    Layout();
}

}  // namespace vk
