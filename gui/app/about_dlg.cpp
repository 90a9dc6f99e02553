#include "gui/app/about_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "core/ui/component_texts.h"
#include "core/ui/version_info.h"
#include "gui/ui/artwork.h"
#include "gui/ui/hyperlink_ctrl.h"
#include "gui/ui/wx_text.h"

namespace vk {

CAboutDlg::CAboutDlg(wxWindow* parent) : CDialogBase(parent, kDialogId, msg::kAboutTitle) {
    auto* name = new wxStaticText(this, 1138, ToWx(ProgramNameAndVersion()));
    name->SetFont(name->GetFont().Bold().Scaled(1.2f));
    auto* text = new wxBoxSizer(wxVERTICAL);
    text->Add(name, 0, wxBOTTOM, Padding());
    // The lines the version table holds for the About box.
    const struct {
        int id;
        const char* name;
    } lines[] = {{1116, "Comments"}, {1117, "LegalTrademarks"}};
    for (const auto& line : lines) {
        auto* label =
            new wxStaticText(this, line.id, ToWx(FindVersionString(line.name).value_or("")));
        label->Wrap(FromDIP(320));
        text->Add(label, 0, wxBOTTOM, Gap());
    }
    link_ = new CHyperLinkCtrl(this, 1114, wxString(), kProgramWebPage);
    text->Add(link_, 0, wxTOP, Gap());

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, art::ProgramIcon(48)), 0, wxRIGHT, Padding());
    row->Add(text, 1, wxEXPAND);
    wxStdDialogButtonSizer* buttons = MakeButtons(wxOK);
    LayOut(row, buttons);
    if (wxWindow* ok = FindWindow(wxID_OK)) ok->SetFocus();
}

}  // namespace vk
