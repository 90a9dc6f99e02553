#include "gui/ui/customize_toolbar_dlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "core/ui/component_texts.h"
#include "gui/ui/component_art.h"

namespace vk {
namespace {

enum ControlId {
    kAddId = 1100,
    kRemoveId,
    kUpId,
    kDownId,
    kResetId,
    kFocusTextOptions,
    kFocusIconOptions,
};

constexpr int kIconSize = 16;

wxString NameOf(int entry) {
    if (entry == kToolbarSeparator) return "Separator";
    const ToolbarButton* button = FindToolbarButton(entry);
    return button ? wxString::FromUTF8(button->label) : wxString();
}

// A separator in the lists: a thin upright line, like the gap it leaves on the toolbar.
wxBitmap SeparatorPicture(int size) {
    wxImage image(size, size);
    image.InitAlpha();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool line = x == size / 2 && y >= 1 && y < size - 1;
            image.SetRGB(x, y, 128, 128, 128);
            image.SetAlpha(x, y, line ? 255 : 0);
        }
    }
    return wxBitmap(image);
}

}  // namespace

CCustomizeDialog::CCustomizeDialog(wxWindow* parent, CToolbarCustomization& edit, ShowLayout show)
    : CDialogBase(parent, kDialogId, msg::kCustomizeToolbarTitle),
      edit_(edit),
      show_(std::move(show)) {
    const int size = FromDIP(kIconSize);
    images_ = new wxImageList(size, size, true);
    images_->Add(SeparatorPicture(size));
    for (const ToolbarButton& button : ToolbarButtons()) {
        const wxBitmap picture = art::CommandBitmap(button.command, size);
        if (picture.IsOk()) imageOf_[button.command] = images_->Add(picture);
    }
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(MakeLists(), 1, wxEXPAND);
    content->Add(MakeOptions(), 0, wxEXPAND | wxTOP, Padding());
    LayOut(content, nullptr);

    Fill(available_, edit_.Available(), 0);
    Fill(current_, edit_.Current(), 0);
    textOptions_->SetSelection(edit_.Layout().textOption);
    iconOptions_->SetSelection(edit_.Layout().iconOption);
    UpdateButtons();

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { AddSelected(); }, kAddId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveSelected(); }, kRemoveId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(true); }, kUpId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(false); }, kDownId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Reset(); }, kResetId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(); }, wxID_CLOSE);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Finish(); });
    available_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { AddSelected(); });
    current_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { RemoveSelected(); });
    for (wxListView* list : {available_, current_}) {
        list->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) {
            UpdateButtons();
            e.Skip();
        });
    }
    textOptions_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        edit_.SetTextOption(textOptions_->GetSelection());
        show_(edit_.Layout(), false);
    });
    iconOptions_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        edit_.SetIconOption(iconOptions_->GetSelection());
    });

    // The option lists' letters move the focus to them.
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { textOptions_->SetFocus(); }, kFocusTextOptions);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { iconOptions_->SetFocus(); }, kFocusIconOptions);
    wxAcceleratorEntry keys[] = {{wxACCEL_ALT, 'X', kFocusTextOptions},
                                 {wxACCEL_ALT, 'N', kFocusIconOptions}};
    SetAcceleratorTable(wxAcceleratorTable(2, keys));
    SetEscapeId(wxID_CLOSE);
    SetAffirmativeId(wxID_CLOSE);
    current_->SetFocus();
}

CCustomizeDialog::~CCustomizeDialog() {
    delete images_;
}

wxSizer* CCustomizeDialog::MakeLists() {
    auto makeList = [this] {
        auto* list = new wxListView(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(200, 260)),
                                    wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL);
        list->SetImageList(images_, wxIMAGE_LIST_SMALL);
        list->AppendColumn(wxString(), wxLIST_FORMAT_LEFT, FromDIP(180));
        return list;
    };
    available_ = makeList();
    current_ = makeList();
    add_ = new wxButton(this, kAddId, "&Add ->");
    remove_ = new wxButton(this, kRemoveId, "<- &Remove");
    up_ = new wxButton(this, kUpId, "Move &Up");
    down_ = new wxButton(this, kDownId, "Move &Down");
    auto* close = new wxButton(this, wxID_CLOSE, msg::kCloseButton);
    auto* reset = new wxButton(this, kResetId, "R&eset");
    close->SetDefault();

    auto labelled = [this](const char* label, wxWindow* list) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, label), 0, wxBOTTOM, Gap());
        column->Add(list, 1, wxEXPAND);
        return column;
    };
    auto* middle = new wxBoxSizer(wxVERTICAL);
    middle->AddStretchSpacer();
    middle->Add(add_, 0, wxEXPAND | wxBOTTOM, Gap());
    middle->Add(remove_, 0, wxEXPAND);
    middle->AddStretchSpacer();
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->AddSpacer(GetCharHeight() + Gap());
    right->Add(close, 0, wxEXPAND | wxBOTTOM, Gap());
    right->Add(reset, 0, wxEXPAND | wxBOTTOM, 2 * Gap());
    right->Add(up_, 0, wxEXPAND | wxBOTTOM, Gap());
    right->Add(down_, 0, wxEXPAND);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(labelled("Available toolbar buttons:", available_), 1, wxEXPAND);
    row->Add(middle, 0, wxEXPAND | wxLEFT | wxRIGHT, Padding());
    row->Add(labelled("Current toolbar buttons:", current_), 1, wxEXPAND);
    row->Add(right, 0, wxEXPAND | wxLEFT, Padding());
    return row;
}

wxSizer* CCustomizeDialog::MakeOptions() {
    wxArrayString texts, icons;
    for (const char* name : kToolbarTextOptionNames) texts.Add(name);
    for (const char* name : kToolbarIconOptionNames) icons.Add(name);
    textOptions_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, texts);
    iconOptions_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, icons);
    auto* grid = new wxFlexGridSizer(2, Gap(), Padding());
    grid->Add(new wxStaticText(this, wxID_ANY, "Te&xt options:"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(textOptions_, 0);
    grid->Add(new wxStaticText(this, wxID_ANY, "Ico&n options:"), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(iconOptions_, 0);
    return grid;
}

void CCustomizeDialog::Fill(wxListView* list, const std::vector<int>& entries, int select) {
    list->Freeze();
    list->DeleteAllItems();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto image = imageOf_.find(entries[i]);
        list->InsertItem(static_cast<long>(i), NameOf(entries[i]),
                         image == imageOf_.end() ? 0 : image->second);
    }
    if (!entries.empty()) {
        const long at = std::clamp<long>(select, 0, static_cast<long>(entries.size()) - 1);
        list->Select(at);
        list->Focus(at);
        list->EnsureVisible(at);
    }
    list->Thaw();
}

void CCustomizeDialog::Changed(int selectCurrent) {
    const long availableAt = available_->GetFirstSelected();
    Fill(available_, edit_.Available(), static_cast<int>(availableAt < 0 ? 0 : availableAt));
    Fill(current_, edit_.Current(), selectCurrent);
    UpdateButtons();
    show_(edit_.Layout(), false);
}

void CCustomizeDialog::UpdateButtons() {
    const long currentAt = current_->GetFirstSelected();
    const long count = current_->GetItemCount();
    add_->Enable(available_->GetFirstSelected() >= 0);
    remove_->Enable(currentAt >= 0);
    up_->Enable(currentAt > 0);
    down_->Enable(currentAt >= 0 && currentAt + 1 < count);
}

void CCustomizeDialog::AddSelected() {
    const long from = available_->GetFirstSelected();
    if (from < 0) return;
    long before = current_->GetFirstSelected();
    if (before < 0) before = current_->GetItemCount();
    const int at = edit_.Add(static_cast<int>(from), static_cast<int>(before));
    if (at >= 0) Changed(at);
}

void CCustomizeDialog::RemoveSelected() {
    const long at = current_->GetFirstSelected();
    if (at >= 0 && edit_.Remove(static_cast<int>(at))) Changed(static_cast<int>(at));
}

void CCustomizeDialog::MoveSelected(bool up) {
    const long at = current_->GetFirstSelected();
    if (at < 0) return;
    const int moved =
        up ? edit_.MoveUp(static_cast<int>(at)) : edit_.MoveDown(static_cast<int>(at));
    if (moved != at) Changed(moved);
}

void CCustomizeDialog::Reset() {
    edit_.Reset();
    textOptions_->SetSelection(edit_.Layout().textOption);
    iconOptions_->SetSelection(edit_.Layout().iconOption);
    Changed(0);
}

void CCustomizeDialog::Finish() {
    if (finished_) return;
    finished_ = true;
    show_(edit_.Layout(), true);
    EndWith(wxID_CLOSE);
}

}  // namespace vk
