#include "gui/ui/hyperlink_ctrl.h"

#include <wx/dcbuffer.h>
#include <wx/log.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <cerrno>

#include "core/shell/launch_rules.h"
#include "core/ui/component_texts.h"
#include "gui/ui/message_box.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

int OpenWithDesktop(const std::string& target) {
    wxLogNull quiet;  // failures are the link's to report
    errno = 0;
    const bool opened = ClassifyLaunchText(target) == LaunchKind::kWebAddress
                            ? wxLaunchDefaultBrowser(ToWx(target))
                            : wxLaunchDefaultApplication(ToWx(target));
    if (opened) return 0;
    return errno != 0 ? errno : ENOENT;
}

CHyperLinkCtrl::Opener& CurrentOpener() {
    static CHyperLinkCtrl::Opener opener = OpenWithDesktop;
    return opener;
}

}  // namespace

CHyperLinkCtrl::CHyperLinkCtrl(wxWindow* parent, int id, const wxString& text,
                               const std::string& target)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize,
                wxBORDER_NONE | wxTRANSPARENT_WINDOW | wxWANTS_CHARS),
      target_(target),
      hover_(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)) {
    SetLabel(text.empty() ? ToWx(target) : text);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetCursor(wxCursor(wxCURSOR_HAND));
    SetToolTip(ToWx(Target()));
    UpdateFontAndSize();
    Bind(wxEVT_PAINT, &CHyperLinkCtrl::OnPaint, this);
    Bind(wxEVT_ENTER_WINDOW, [this](wxMouseEvent& e) {
        SetHot(true);
        e.Skip();
    });
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& e) {
        SetHot(false);
        e.Skip();
    });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) {
        if (wxRect(GetClientSize()).Contains(e.GetPosition())) Open();
        e.Skip();
    });
    Bind(wxEVT_KEY_DOWN, &CHyperLinkCtrl::OnKey, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        Refresh();
        e.Skip();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        Refresh();
        e.Skip();
    });
}

void CHyperLinkCtrl::SetOpener(Opener opener) {
    CurrentOpener() = opener ? std::move(opener) : Opener(OpenWithDesktop);
}

void CHyperLinkCtrl::SetTarget(const std::string& target) {
    target_ = target;
    if (GetLabel().empty()) {
        SetLabel(ToWx(target));
        UpdateFontAndSize();
    }
    SetToolTip(ToWx(Target()));
}

std::string CHyperLinkCtrl::Target() const {
    return target_.empty() ? FromWx(GetLabel()) : target_;
}

void CHyperLinkCtrl::SetColours(const wxColour& link, const wxColour& visited,
                                const wxColour& hover) {
    link_ = link;
    visited_colour_ = visited;
    hover_ = hover;
    Refresh();
}

void CHyperLinkCtrl::SetVisited(bool visited) {
    visited_ = visited;
    Refresh();
}

void CHyperLinkCtrl::SetUnderline(bool underline) {
    underline_ = underline;
    UpdateFontAndSize();
}

void CHyperLinkCtrl::SetSizeToFit(bool sizeToFit) {
    sizeToFit_ = sizeToFit;
    UpdateFontAndSize();
}

wxColour CHyperLinkCtrl::TextColour() const {
    if (hot_) return hover_;
    return visited_ ? visited_colour_ : link_;
}

void CHyperLinkCtrl::UpdateFontAndSize() {
    wxFont font = GetParent()->GetFont();
    font.SetUnderlined(underline_);
    SetFont(font);
    InvalidateBestSize();
    if (sizeToFit_) SetInitialSize(GetBestSize());
    Refresh();
}

wxSize CHyperLinkCtrl::DoGetBestClientSize() const {
    // Room for the focus frame around the text.
    return GetTextExtent(GetLabel()) + wxSize(4, 4);
}

void CHyperLinkCtrl::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    Refresh();
}

bool CHyperLinkCtrl::Open() {
    const int result = CurrentOpener()(Target());
    if (result == 0) {
        SetVisited(true);
        return true;
    }
    wxBell();
    ShowMessageBox(HyperlinkFailureText(result), wxOK | wxICON_EXCLAMATION);
    return false;
}

void CHyperLinkCtrl::OnKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (!event.HasAnyModifiers() &&
        (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_SPACE)) {
        Open();
        return;
    }
    if (key == WXK_TAB) {
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                   : wxNavigationKeyEvent::IsForward);
        return;
    }
    event.Skip();
}

void CHyperLinkCtrl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetTextForeground(TextColour());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(GetLabel(), 2, 2);
    if (HasFocus()) wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(GetClientSize()));
}

}  // namespace vk
