#include "gui/ui/skin_group_box.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "core/ui/group_frame.h"
#include "gui/ui/skin.h"

namespace vk {
namespace {

constexpr int kCorner = 15;  // the rounded corners' ellipse
constexpr int kCaptionIndent = 15;

}  // namespace

CSkinGroupBox::CSkinGroupBox(wxWindow* parent, const wxString& caption, unsigned flags)
    : wxPanel(parent, wxID_ANY), flags_(flags) {
    SetLabel(caption);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CSkinGroupBox::OnPaint, this);
    Bind(wxEVT_SIZE, &CSkinGroupBox::OnSize, this);
}

int CSkinGroupBox::CaptionHeight() const {
    return (flags_ & kGroupFrameRounded) && !GetLabel().empty() ? GetTextExtent(GetLabel()).y
                                                                : FromDIP(6);
}

void CSkinGroupBox::SetContent(wxSizer* content) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    const int margin = FromDIP(10);
    outer->AddSpacer(CaptionHeight() + FromDIP(4));
    outer->Add(content, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, margin);
    SetSizer(outer);
}

void CSkinGroupBox::OnSize(wxSizeEvent& event) {
    gradient_ = wxBitmap();
    Refresh();
    event.Skip();
}

void CSkinGroupBox::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const int top = CaptionHeight() / 2;
    const wxRect frame(0, top, size.x - 1, size.y - top - 1);

    if ((flags_ & kGroupFrameGradient) && size.x > 0 && size.y > 0) {
        if (!gradient_.IsOk()) {
            auto pixels = GroupFrameGradient(size.x, size.y);
            wxImage image(size.x, size.y, pixels.data(), true);
            gradient_ = wxBitmap(image.Copy());
        }
        // Only the inside of the rounded frame shows the gradient.
        dc.SetBrush(wxBrush(gradient_));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRoundedRectangle(frame, FromDIP(kCorner) / 2.0);
    }
    if (flags_ & kGroupFrameRounded) {
        const double radius = FromDIP(kCorner) / 2.0;
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW)));
        dc.DrawRoundedRectangle(frame.x, frame.y, frame.width - 1, frame.height - 1, radius);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT)));
        dc.DrawRoundedRectangle(frame.x + 1, frame.y + 1, frame.width - 1, frame.height - 1,
                                radius);
        if (!GetLabel().empty()) {
            dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
            const wxSize text = dc.GetTextExtent(GetLabel());
            const int x = FromDIP(kCaptionIndent);
            // The caption interrupts the frame line.
            dc.SetBrush(wxBrush(GetParent()->GetBackgroundColour()));
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.DrawRectangle(x - 2, 0, text.x + 4, text.y);
            dc.SetTextForeground(
                skin::Enabled() ? *wxBLACK : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
            dc.DrawText(GetLabel(), x, 0);
        }
    }
}

}  // namespace vk
