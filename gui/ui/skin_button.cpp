#include "gui/ui/skin_button.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "core/app/command_ids.h"
#include "gui/ui/skin.h"

namespace vk {
namespace {

constexpr int kMargin = 4;  // frame, two border lines and a pixel of air on each side

wxBitmap WithMask(const wxBitmap& bitmap, const wxColour& transparent) {
    if (!bitmap.IsOk() || !transparent.IsOk() || bitmap.HasAlpha()) return bitmap;
    wxBitmap masked = bitmap;
    masked.SetMask(new wxMask(bitmap, transparent));
    return masked;
}

wxPen SystemPen(wxSystemColour colour) {
    return wxPen(wxSystemSettings::GetColour(colour));
}

}  // namespace

CSkinButton::CSkinButton(wxWindow* parent, int command, const Bitmaps& bitmaps,
                         const wxString& tooltip, const wxColour& transparent)
    : wxControl(parent, cmd::WxId(command), wxDefaultPosition, wxDefaultSize,
                wxBORDER_NONE | wxWANTS_CHARS),
      command_(command),
      transparent_(transparent) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetBitmaps(bitmaps);
    if (!tooltip.empty()) SetToolTip(tooltip);
    Bind(wxEVT_PAINT, &CSkinButton::OnPaint, this);
    for (auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_ENTER_WINDOW,
                      wxEVT_LEAVE_WINDOW, wxEVT_MOTION})
        Bind(type, &CSkinButton::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CSkinButton::OnKey, this);
    Bind(wxEVT_KEY_UP, &CSkinButton::OnKey, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        state_.focused = true;
        Refresh();
        e.Skip();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        state_.focused = false;
        state_.pressed = false;
        Refresh();
        e.Skip();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        state_.pressed = false;
        Refresh();
    });
}

void CSkinButton::SetBitmaps(const Bitmaps& bitmaps) {
    bitmaps_.hot = WithMask(bitmaps.hot, transparent_);
    bitmaps_.normal = WithMask(bitmaps.normal.IsOk() ? bitmaps.normal : bitmaps.hot, transparent_);
    bitmaps_.disabled = WithMask(bitmaps.disabled, transparent_);
    state_.hasDisabledBitmap = bitmaps_.disabled.IsOk();
    InvalidateBestSize();
    SetInitialSize(GetBestSize());
    Refresh();
}

void CSkinButton::SetFlat(bool flat, bool borderWhenHot) {
    state_.flat = flat;
    state_.borderWhenFlat = borderWhenHot;
    Refresh();
}

void CSkinButton::SetOutline(bool outline) {
    state_.outline = outline;
    Refresh();
}

void CSkinButton::SetCheckStyle(bool checkStyle) {
    state_.checkStyle = checkStyle;
    Refresh();
}

void CSkinButton::SetChecked(bool checked) {
    state_.checked = checked;
    Refresh();
}

void CSkinButton::SetDefaultLook(bool isDefault) {
    state_.isDefault = isDefault;
    Refresh();
}

bool CSkinButton::Enable(bool enable) {
    const bool changed = wxControl::Enable(enable);
    state_.disabled = !enable;
    if (!enable) state_.pressed = state_.hot = false;
    Refresh();
    return changed;
}

SkinButtonLook CSkinButton::Look() const {
    SkinButtonState state = state_;
    state.disabled = !IsEnabled();
    return SkinButtonLookOf(state);
}

wxSize CSkinButton::DoGetBestClientSize() const {
    const wxSize picture = bitmaps_.normal.IsOk() ? bitmaps_.normal.GetSize() : wxSize(16, 16);
    return picture + wxSize(2 * kMargin, 2 * kMargin);
}

const wxBitmap& CSkinButton::BitmapOf(SkinButtonBitmap which) const {
    switch (which) {
        case SkinButtonBitmap::kHot:
            return bitmaps_.hot;
        case SkinButtonBitmap::kDisabled:
            return bitmaps_.disabled;
        case SkinButtonBitmap::kNormal:
            break;
    }
    return bitmaps_.normal;
}

void CSkinButton::Click() {
    if (!IsEnabled()) return;
    if (state_.checkStyle) state_.checked = !state_.checked;
    Refresh();
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    event.SetInt(state_.checked ? 1 : 0);
    ProcessWindowEvent(event);
}

void CSkinButton::OnMouse(wxMouseEvent& event) {
    const wxEventType type = event.GetEventType();
    const bool inside = wxRect(GetClientSize()).Contains(event.GetPosition());
    if (type == wxEVT_ENTER_WINDOW || type == wxEVT_LEAVE_WINDOW || type == wxEVT_MOTION) {
        const bool hot = type == wxEVT_LEAVE_WINDOW ? false : inside && IsEnabled();
        if (hot != state_.hot) {
            state_.hot = hot;
            Refresh();
        }
    } else if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK) {
        if (IsEnabled()) {
            state_.pressed = true;
            if (AcceptsFocus()) SetFocus();
            if (!HasCapture()) CaptureMouse();
            Refresh();
        }
    } else if (type == wxEVT_LEFT_UP) {
        const bool wasPressed = state_.pressed;
        state_.pressed = false;
        if (HasCapture()) ReleaseMouse();
        Refresh();
        if (wasPressed && inside) Click();
    }
    event.Skip();
}

void CSkinButton::OnKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool activates =
        key == WXK_SPACE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_NUMPAD_SPACE;
    if (!activates || event.HasAnyModifiers()) {
        if (event.GetEventType() == wxEVT_KEY_DOWN && key == WXK_TAB)
            Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                       : wxNavigationKeyEvent::IsForward);
        else
            event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_KEY_DOWN) {
        // Space pushes the button in and lets it go on release; Enter clicks at once.
        if (key == WXK_SPACE || key == WXK_NUMPAD_SPACE) {
            state_.pressed = true;
            Refresh();
        } else {
            Click();
        }
    } else if (state_.pressed) {
        state_.pressed = false;
        Click();
    }
}

void CSkinButton::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const SkinButtonLook look = Look();
    wxRect r(GetClientSize());

    dc.SetBackground(wxBrush(skin::Enabled() ? skin::DialogBackground()
                                             : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.Clear();
    if (look.blackFrame) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(r);
        r.Deflate(1);
    }
    const int left = r.GetLeft(), top = r.GetTop(), right = r.GetRight(), bottom = r.GetBottom();
    if (look.border == SkinButtonBorder::kSunken) {
        dc.SetPen(SystemPen(wxSYS_COLOUR_BTNSHADOW));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(r);
    } else if (look.border == SkinButtonBorder::kRaised) {
        dc.SetPen(SystemPen(wxSYS_COLOUR_BTNHIGHLIGHT));
        dc.DrawLine(left, bottom, left, top);
        dc.DrawLine(left, top, right, top);
        dc.SetPen(SystemPen(wxSYS_COLOUR_3DDKSHADOW));
        dc.DrawLine(left, bottom, right, bottom);
        dc.DrawLine(right, top, right, bottom + 1);
        dc.SetPen(SystemPen(wxSYS_COLOUR_3DLIGHT));
        dc.DrawLine(left + 1, bottom - 1, left + 1, top + 1);
        dc.DrawLine(left + 1, top + 1, right - 1, top + 1);
        dc.SetPen(SystemPen(wxSYS_COLOUR_BTNSHADOW));
        dc.DrawLine(left + 1, bottom - 1, right - 1, bottom - 1);
        dc.DrawLine(right - 1, top + 1, right - 1, bottom);
    }
    const wxBitmap& picture = BitmapOf(look.bitmap);
    if (picture.IsOk()) {
        wxPoint at(r.x + (r.width - picture.GetWidth()) / 2,
                   r.y + (r.height - picture.GetHeight()) / 2);
        // A pressed picture moves a pixel down and right, the way pushed buttons do.
        if (look.border == SkinButtonBorder::kSunken) at += wxPoint(1, 1);
        dc.DrawBitmap(picture, at, true);
    }
    if (look.outline) {
        const wxRect all(GetClientSize());
        dc.SetPen(*wxWHITE_PEN);
        dc.DrawLine(all.GetLeft(), all.GetBottom(), all.GetLeft(), all.GetTop());
        dc.DrawLine(all.GetLeft(), all.GetTop(), all.GetRight(), all.GetTop());
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawLine(all.GetRight(), all.GetTop(), all.GetRight(), all.GetBottom());
        dc.DrawLine(all.GetLeft(), all.GetBottom(), all.GetRight() + 1, all.GetBottom());
    }
}

}  // namespace vk
