#include "gui/ui/balloon_help_wnd.h"

#include <wx/arrstr.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/graphics.h>
#include <wx/settings.h>
#include <wx/textwrapper.h>

#include <algorithm>
#include <memory>

#include "gui/ui/screen_area.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kTimerId = 1;
constexpr int kMaxContentWidth = 320;  // wider text is broken into lines at word breaks
constexpr int kHoverWidth = 3;         // how far the pointer may wander, where asked to stay

// Breaks text into lines no wider than `width` pixels.
class Wrapper : public wxTextWrapper {
  public:
    wxString Wrap(wxWindow* win, const wxString& text, int width) {
        result_.clear();
        win_ = win;
        width_ = width;
        wxTextWrapper::Wrap(win, text, width);
        return result_;
    }

  protected:
    // A word wider than that (a long web address, say) is broken where the width ends: it
    // would make the balloon wider than the screen.
    void OnOutputLine(const wxString& line) override {
        wxClientDC dc(win_);
        dc.SetFont(win_->GetFont());
        wxString rest = line;
        wxArrayInt extents;
        while (!rest.empty() && dc.GetPartialTextExtents(rest, extents) &&
               extents.back() > width_) {
            std::size_t fits = 1;
            while (fits < extents.size() && extents[fits] <= width_) ++fits;
            result_ += rest.Left(fits) + '\n';
            rest = rest.Mid(fits);
        }
        result_ += rest;
    }
    void OnNewLine() override { result_ += '\n'; }

  private:
    wxString result_;
    wxWindow* win_ = nullptr;
    int width_ = 0;
};

wxFont TitleFont() {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetWeight(wxFONTWEIGHT_BOLD);
    return font;
}

PixelSize Measure(wxWindow* win, const wxString& text, const wxFont& font) {
    if (text.empty()) return {};
    int w = 0, h = 0;
    wxClientDC dc(win);
    dc.SetFont(font);
    dc.GetMultiLineTextExtent(text, &w, &h);
    return {w, h};
}

// The button events a balloon can close on.
bool EventOf(wxEventType type, BalloonEvent* event) {
    static const std::pair<wxEventType, BalloonEvent> kEvents[] = {
        {wxEVT_LEFT_DOWN, BalloonEvent::kLeftDown},     {wxEVT_LEFT_UP, BalloonEvent::kLeftUp},
        {wxEVT_MIDDLE_DOWN, BalloonEvent::kMiddleDown}, {wxEVT_MIDDLE_UP, BalloonEvent::kMiddleUp},
        {wxEVT_RIGHT_DOWN, BalloonEvent::kRightDown},   {wxEVT_RIGHT_UP, BalloonEvent::kRightUp},
        {wxEVT_KEY_DOWN, BalloonEvent::kKeyDown},
    };
    for (const auto& [t, e] : kEvents) {
        if (t == type) {
            *event = e;
            return true;
        }
    }
    return false;
}

}  // namespace

CBalloonHelpWnd* CBalloonHelpWnd::Create(wxWindow* owner, const std::string& title,
                                         const std::string& content, const wxPoint& anchor,
                                         const wxBitmap& icon, std::uint32_t options,
                                         int timeoutMs) {
    return new CBalloonHelpWnd(owner, title, content, anchor, icon, options, timeoutMs);
}

CBalloonHelpWnd* CBalloonHelpWnd::Launch(wxWindow* owner, const std::string& title,
                                         const std::string& content, const wxPoint& anchor,
                                         const wxBitmap& icon, std::uint32_t options,
                                         int timeoutMs) {
    CBalloonHelpWnd* balloon = Create(owner, title, content, anchor, icon, options, timeoutMs);
    balloon->ShowWithoutActivating();
    return balloon;
}

CBalloonHelpWnd::CBalloonHelpWnd(wxWindow* owner, const std::string& title,
                                 const std::string& content, const wxPoint& anchor,
                                 const wxBitmap& icon, std::uint32_t options, int timeoutMs)
    : wxFrame(owner, wxID_ANY, ToWx(title), wxDefaultPosition, wxDefaultSize,
              wxBORDER_NONE | wxFRAME_SHAPED | wxFRAME_NO_TASKBAR | wxFRAME_TOOL_WINDOW |
                  wxFRAME_FLOAT_ON_PARENT | ((options & balloon::kTopmost) ? wxSTAY_ON_TOP : 0)),
      title_(ToWx(title)),
      icon_(icon),
      anchor_(anchor),
      options_(options),
      timeoutMs_(timeoutMs),
      timer_(this, kTimerId),
      openedAt_(wxGetMousePosition()) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    content_ = LinesThatFit(Wrapper().Wrap(this, ToWx(content), FromDIP(kMaxContentWidth)));
    Place();
    Bind(wxEVT_PAINT, &CBalloonHelpWnd::OnPaint, this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { React(BalloonAction::kClose); }, kTimerId);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) {
        // The close button in the top right corner.
        const wxRect button(layout_.closeButtonAt.x, layout_.closeButtonAt.y, FromDIP(12),
                            FromDIP(12));
        if ((options_ & balloon::kShowCloseButton) && button.Contains(e.GetPosition()))
            React(BalloonAction::kClose);
        e.Skip();
    });
    if (timeoutMs_ > 0) timer_.StartOnce(timeoutMs_);
    wxEvtHandler::AddFilter(this);
}

CBalloonHelpWnd::~CBalloonHelpWnd() {
    wxEvtHandler::RemoveFilter(this);
    timer_.Stop();
}

wxString CBalloonHelpWnd::LinesThatFit(const wxString& wrapped) {
    // Notes taller than the screen keep the lines that fit and end in an ellipsis: the
    // balloon is a glance, the editor shows them whole.
    wxArrayString lines = wxSplit(wrapped, '\n', '\0');
    const int header =
        std::max(icon_.IsOk() ? icon_.GetHeight() : 0, Measure(this, title_, TitleFont()).height);
    const int lineHeight = Measure(this, "Ag", GetFont()).height;
    const auto fit = static_cast<std::size_t>(
        BalloonLinesThatFit(header, lineHeight, ScreenRectOf(WorkAreaAt(anchor_))));
    if (lines.size() <= fit) return wrapped;
    lines.resize(fit);
    lines.back() = wxString::FromUTF8("\xE2\x80\xA6");
    return wxJoin(lines, '\n', '\0');
}

void CBalloonHelpWnd::Place() {
    BalloonContent c;
    if (icon_.IsOk()) c.icon = {icon_.GetWidth(), icon_.GetHeight()};
    if (options_ & balloon::kShowCloseButton) c.closeButton = {FromDIP(12), FromDIP(12)};
    c.title = Measure(this, title_, TitleFont());
    c.content = Measure(this, content_, GetFont());
    layout_ = LayOutBalloon(c, {anchor_.x, anchor_.y}, ScreenRectOf(WorkAreaAt(anchor_)));
    SetSize(layout_.window.left, layout_.window.top, layout_.window.Width(),
            layout_.window.Height());
    wxGraphicsPath shape = wxGraphicsRenderer::GetDefaultRenderer()->CreatePath();
    shape.AddRoundedRectangle(layout_.body.left, layout_.body.top, layout_.body.Width(),
                              layout_.body.Height(), kBalloonCornerDiameter / 2.0);
    shape.MoveToPoint(layout_.tail[0].x, layout_.tail[0].y);
    shape.AddLineToPoint(layout_.tail[1].x, layout_.tail[1].y);
    shape.AddLineToPoint(layout_.tail[2].x, layout_.tail[2].y);
    shape.CloseSubpath();
    SetShape(shape);
}

void CBalloonHelpWnd::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxColour back = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK);
    const wxColour ink = wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT);
    dc.SetBackground(wxBrush(back));
    dc.Clear();
    const BalloonLayout& l = layout_;
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    if (gc) {
        // The body's outline, then the tail over it so that no line divides the two.
        gc->SetPen(wxPen(ink));
        gc->SetBrush(wxBrush(back));
        gc->DrawRoundedRectangle(l.body.left, l.body.top, l.body.Width() - 1, l.body.Height() - 1,
                                 kBalloonCornerDiameter / 2.0);
        wxPoint2DDouble tail[3];
        for (int i = 0; i < 3; ++i) tail[i] = wxPoint2DDouble(l.tail[i].x, l.tail[i].y);
        gc->SetPen(*wxTRANSPARENT_PEN);
        gc->DrawLines(3, tail);
        gc->SetPen(wxPen(ink));
        gc->StrokeLine(tail[0].m_x, tail[0].m_y, tail[1].m_x, tail[1].m_y);
        gc->StrokeLine(tail[1].m_x, tail[1].m_y, tail[2].m_x, tail[2].m_y);
    }
    if (icon_.IsOk()) dc.DrawBitmap(icon_, l.iconAt.x, l.iconAt.y, true);
    dc.SetTextForeground(ink);
    dc.SetFont(TitleFont());
    dc.DrawText(title_, l.titleAt.x, l.titleAt.y);
    dc.SetFont(GetFont());
    dc.DrawText(content_, l.contentAt.x, l.contentAt.y);
    if (options_ & balloon::kShowCloseButton) {
        const int x = l.closeButtonAt.x, y = l.closeButtonAt.y, s = FromDIP(12) - 3;
        dc.SetPen(wxPen(ink, 2));
        dc.DrawLine(x + 2, y + 2, x + s, y + s);
        dc.DrawLine(x + s, y + 2, x + 2, y + s);
    }
}

int CBalloonHelpWnd::FilterEvent(wxEvent& event) {
    if (closing_) return Event_Skip;
    const wxEventType type = event.GetEventType();
    BalloonEvent which;
    if (EventOf(type, &which)) {
        React(BalloonReaction(options_, which));
    } else if (type == wxEVT_MOTION) {
        const wxPoint now = wxGetMousePosition();
        React(BalloonReactionToMove(options_, {openedAt_.x, openedAt_.y}, {now.x, now.y},
                                    kHoverWidth));
    }
    return Event_Skip;
}

void CBalloonHelpWnd::React(BalloonAction action) {
    if (action == BalloonAction::kStartTimeout) {
        timer_.StartOnce(timeoutMs_ > 0 ? timeoutMs_ : 1);
    } else if (action == BalloonAction::kClose && !closing_) {
        closing_ = true;
        timer_.Stop();
        Hide();
        Destroy();  // deleted once the events on their way to it are handled
    }
}

void CBalloonHelpWnd::Close() {
    if (!(options_ & balloon::kDelayClose)) {
        React(BalloonAction::kClose);
        return;
    }
    options_ &= ~(balloon::kMouseCloseBits | balloon::kDelayClose);
    React(BalloonAction::kStartTimeout);
}

}  // namespace vk
