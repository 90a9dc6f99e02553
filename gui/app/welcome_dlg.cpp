#include "gui/app/welcome_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// Picture on the left, text on the right, one OK button below.
void LayOut(wxDialog* dialog, const wxBitmap& picture, wxWindow* text) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(dialog, wxID_ANY, picture), 0, wxALL, 12);
    row->Add(text, 1, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 1, wxEXPAND);
    column->Add(dialog->CreateButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
    dialog->SetSizerAndFit(column);
    dialog->CentreOnScreen();
    dialog->SetIcons(art::ProgramIcons());
}

}  // namespace

CWelcomeDlg::CWelcomeDlg(wxWindow* parent)
    : wxDialog(parent, 219, "Welcome", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP) {
    auto* text =
        new wxStaticText(this, wxID_ANY, ToWx(FormatText(msg::kWelcomeFormat, msg::kProgramName)));
    text->Wrap(FromDIP(300));
    LayOut(this, art::WelcomePicture(), text);
}

}  // namespace vk
