#include "gui/editor/category_warning_dlg.h"

#include <wx/artprov.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "core/editor/editor_messages.h"
#include "core/shell/messages.h"
#include "gui/ui/wx_text.h"

namespace vk {

CCategoryWarningDlg::CCategoryWarningDlg(wxWindow* parent, const std::string& fromCategory,
                                         const std::string& toCategory)
    : CDialogBase(parent, 339, msg::kProgramName) {
    auto* frame = new wxStaticBoxSizer(
        wxHORIZONTAL, this, ToWx(fromCategory) + wxString::FromUTF8(" \u2192 ") + ToWx(toCategory));
    frame->Add(new wxStaticBitmap(frame->GetStaticBox(), wxID_ANY,
                                  wxArtProvider::GetBitmap(wxART_WARNING, wxART_MESSAGE_BOX)),
               0, wxALL, Gap());
    auto* texts = new wxBoxSizer(wxVERTICAL);
    for (const char* line :
         {msg::kCategoryWarning1, msg::kCategoryWarning2, msg::kCategoryWarning3}) {
        auto* text = new wxStaticText(frame->GetStaticBox(), wxID_ANY, line);
        text->Wrap(FromDIP(360));
        texts->Add(text, 0, wxBOTTOM, Gap());
    }
    frame->Add(texts, 1, wxALL, Gap());
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(frame, 1, wxEXPAND);
    suppress_ = new wxCheckBox(this, wxID_ANY, msg::kCategoryWarningSuppress);
    content->Add(suppress_, 0, wxTOP, Padding());
    LayOut(content, MakeButtons(wxOK | wxCANCEL));
}

bool CCategoryWarningDlg::SuppressChecked() const {
    return suppress_->GetValue();
}

}  // namespace vk
