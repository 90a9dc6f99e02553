#include "gui/tools/options_page.h"

#include <wx/checkbox.h>

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

}  // namespace vk
