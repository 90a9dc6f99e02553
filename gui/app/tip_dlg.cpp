#include "gui/app/tip_dlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "core/settings/profile_file.h"
#include "core/ui/component_texts.h"
#include "core/ui/rich_text.h"
#include "core/ui/tips.h"
#include "gui/ui/component_art.h"

namespace vk {
namespace {

constexpr int kTipPointSize = 10;

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '\n':
                out += "<br>";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The height the tallest tip needs at the view's width, so that every tip shows whole: a
// scroll bar would hide its last lines from anyone who does not think of scrolling.
int TallestTipHeight(wxHtmlWindow* view, int width) {
    int tallest = 0;
    for (const std::string& tip : TipTexts()) {
        view->SetPage(wxString::FromUTF8(TipAsHtml(tip)));
        wxHtmlContainerCell* cell = view->GetInternalRepresentation();
        // Laid out as narrow as with a scroll bar, so that the tip fits in either case.
        cell->Layout(width - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, view));
        tallest = std::max(tallest, cell->GetHeight());
    }
    return tallest;
}

}  // namespace

std::string TipAsHtml(const std::string& tip) {
    std::string html = "<html><body bgcolor=\"#FFFFFF\">";
    for (const TextRun& run : ReadRichText(tip)) {
        std::string text = EscapeHtml(run.text);
        if (run.italic) text = "<i>" + text + "</i>";
        if (run.bold) text = "<b>" + text + "</b>";
        html += text;
    }
    return html + "</body></html>";
}

CTipDialog::CTipDialog(wxWindow* parent, CProfileFile& profile)
    : CDialogBase(parent, kDialogId, kTipCaption),
      profile_(profile),
      cursor_(profile.ReadNumber(kTipPositionKey, 0)) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(MakeTipArea(), 1, wxEXPAND | wxBOTTOM, Padding());

    showTips_ = new wxCheckBox(this, 1001, msg::kShowTipsOnStartup);
    showTips_->SetValue(profile_.ReadNumber(kShowTipsKey, 1) != 0);
    auto* next = new wxButton(this, kNextTipId, msg::kNextTip);
    close_ = new wxButton(this, kCloseId, msg::kCloseButton);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(showTips_, 0, wxALIGN_CENTER_VERTICAL);
    row->AddStretchSpacer();
    row->Add(next, 0, wxRIGHT, Gap());
    row->Add(close_, 0);
    content->Add(row, 0, wxEXPAND);
    LayOut(content, nullptr);

    tip_ = &cursor_.Next();
    ShowTip();
    close_->SetDefault();
    close_->SetFocus();
    // No button stands for Esc: Esc and the close box end the dialog without storing.
    SetEscapeId(wxID_NONE);
    next->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { NextTip(); });
    close_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CloseAndStore(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { CloseWithoutStoring(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers())
            CloseWithoutStoring();
        else
            event.Skip();
    });
}

CTipDialog::~CTipDialog() {
    profile_.WriteNumber(kTipPositionKey, cursor_.Position());
}

wxWindow* CTipDialog::MakeTipArea() {
    auto* area = new wxPanel(this, 1000, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN);
    area->SetBackgroundColour(*wxWHITE);
    auto* title = new wxStaticText(area, wxID_ANY, kDidYouKnow);
    title->SetForegroundColour(wxColour(0, 0, 255));
    title->SetFont(wxFont(wxFontInfo(14).Family(wxFONTFAMILY_SWISS).Bold()));
    auto* head = new wxBoxSizer(wxHORIZONTAL);
    head->Add(new wxStaticBitmap(area, 106, art::BulbPicture()), 0, wxRIGHT, Padding());
    head->Add(title, 0, wxALIGN_CENTER_VERTICAL);

    view_ = new wxHtmlWindow(area, 1004, wxDefaultPosition, FromDIP(wxSize(380, 150)),
                             wxHW_SCROLLBAR_AUTO | wxBORDER_NONE);
    view_->SetBackgroundColour(*wxWHITE);
    view_->SetStandardFonts(kTipPointSize, "Sans", "Monospace");
    const int width = view_->GetClientSize().GetWidth();
    view_->SetMinSize(wxSize(
        width, std::max(view_->GetClientSize().GetHeight(), TallestTipHeight(view_, width))));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(head, 0, wxALL, Gap());
    column->Add(view_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, Gap());
    area->SetSizer(column);
    return area;
}

void CTipDialog::ShowTip() {
    view_->SetPage(wxString::FromUTF8(TipAsHtml(*tip_)));
}

void CTipDialog::NextTip() {
    tip_ = &cursor_.Next();
    ShowTip();
}

void CTipDialog::CloseAndStore() {
    profile_.WriteNumber(kShowTipsKey, showTips_->GetValue() ? 1 : 0);
    EndWith(wxID_OK);
}

void CTipDialog::CloseWithoutStoring() {
    EndWith(wxID_CANCEL);
}

void ShowTipAtStartup(wxWindow* parent, CProfileFile& profile) {
    if (profile.ReadNumber(kShowTipsKey, 1) == 0) return;
    CTipDialog tip(parent, profile);
    tip.ShowModal();
}

}  // namespace vk
