#include "gui/editor/search_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "gui/ui/combo_box_history.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

enum : int { kDialogId = 262, kTextId = 1077, kWholeWordId = 4001, kMatchCaseId = 4002 };

std::vector<std::string> ListEntries(const wxComboBox& combo) {
    std::vector<std::string> entries;
    for (unsigned i = 0; i < combo.GetCount(); ++i) entries.push_back(FromWx(combo.GetString(i)));
    return entries;
}

}  // namespace

CSearchDlg::CSearchDlg(wxWindow* parent, SearchMode mode, std::vector<std::string>& history,
                       std::uint32_t& options)
    : CDialogBase(parent, kDialogId, SearchCaption(mode)),
      mode_(mode),
      history_(history),
      options_(options) {
    text_ = new wxComboBox(this, kTextId, wxString(), wxDefaultPosition, wxSize(FromDIP(260), -1),
                           0, nullptr, wxCB_DROPDOWN);
    FillComboFromHistory(*text_, history_);
    if (text_->GetCount() > 0) text_->SetSelection(0);

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Options");
    wholeWord_ = new wxCheckBox(group->GetStaticBox(), kWholeWordId, "Match whole word only");
    matchCase_ = new wxCheckBox(group->GetStaticBox(), kMatchCaseId, "Match case");
    wholeWord_->SetValue(vk::WholeWordOnlyBox(options_));
    matchCase_->SetValue(vk::MatchCaseBox(options_));
    group->Add(wholeWord_, 0, wxALL, Gap());
    group->Add(matchCase_, 0, wxLEFT | wxRIGHT | wxBOTTOM, Gap());

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(text_, 0, wxEXPAND);
    content->Add(group, 0, wxEXPAND | wxTOP, Padding());

    wxStdDialogButtonSizer* buttons = MakeButtons(wxOK | wxCANCEL);
    if (auto* ok = static_cast<wxButton*>(FindWindow(wxID_OK))) ok->SetLabel("Find next");
    LayOut(content, buttons);
    text_->SetFocus();

    Bind(wxEVT_CHECKBOX, &CSearchDlg::OnOptionBox, this, kWholeWordId);
    Bind(wxEVT_CHECKBOX, &CSearchDlg::OnOptionBox, this, kMatchCaseId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { FindNext(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWith(wxID_CANCEL); }, wxID_CANCEL);
}

void CSearchDlg::OnOptionBox(wxCommandEvent&) {
    options_ = SearchOptionsFromBoxes(wholeWord_->GetValue(), matchCase_->GetValue());
}

void CSearchDlg::FindNext() {
    const std::string text = FromWx(text_->GetValue());
    std::vector<std::string> entries = ListEntries(*text_);
    const std::size_t before = entries.size();
    RememberSearchText(entries, text, history_);
    if (entries.size() != before) FillComboFromHistory(*text_, entries);
    findNext(text);
    if (mode_ != SearchMode::kQuickAccess) historyChanged();
}

}  // namespace vk
