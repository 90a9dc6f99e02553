#include "gui/tools/options_page.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>

namespace vk {

COptionsPage::COptionsPage(wxWindow* parent, COptionsSession& session, int helpContext)
    : wxPanel(parent), session_(session), helpContext_(helpContext) {}

wxCheckBox* COptionsPage::AddFlagBox(wxWindow* parent, int id, const wxString& text,
                                     bool CSettings::*flag) {
    auto* box = new wxCheckBox(parent, id, text);
    box->SetValue(session_.Settings().*flag);
    box->Bind(wxEVT_CHECKBOX,
              [this, box, flag](wxCommandEvent&) { session_.SetFlag(flag, box->IsChecked()); });
    return box;
}

wxSizer* COptionsPage::LabelledRow(wxWindow* label, wxWindow* control, int proportion) const {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, Gap());
    row->Add(control, proportion, wxALIGN_CENTER_VERTICAL);
    return row;
}

}  // namespace vk
