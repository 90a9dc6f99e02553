#include "gui/editor/drag_image.h"

#include <wx/control.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/popupwin.h>

#include <algorithm>

namespace vk {

CDragImage::CDragImage(wxWindow* owner, const wxBitmap& picture, const wxPoint& hotSpot)
    : popup_(new wxPopupWindow(owner, wxBORDER_NONE)), hotSpot_(hotSpot) {
    popup_->SetClientSize(picture.GetSize());
    popup_->Bind(wxEVT_PAINT, [this, picture](wxPaintEvent&) {
        wxPaintDC dc(popup_);
        dc.DrawBitmap(picture, 0, 0, true);
    });
}

CDragImage::~CDragImage() {
    popup_->Destroy();
}

void CDragImage::MoveTo(const wxPoint& screenPointer) {
    popup_->Move(screenPointer - hotSpot_);
    if (!popup_->IsShown()) popup_->Show();
}

wxBitmap MakeDragPicture(wxWindow* window, const std::vector<wxString>& lines, const wxBitmap& icon,
                         int maxWidth) {
    const int iconSize = icon.IsOk() ? icon.GetHeight() : 0;
    const int gap = window->FromDIP(4);
    const int lineHeight = std::max(iconSize, window->GetCharHeight()) + gap / 2;
    const int textWidth = maxWidth - iconSize - 2 * gap;
    wxBitmap picture(maxWidth, std::max<int>(1, static_cast<int>(lines.size())) * lineHeight + gap);
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(wxPen(wxColour(160, 160, 160)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, picture.GetWidth(), picture.GetHeight());
    dc.SetFont(window->GetFont());
    dc.SetTextForeground(*wxBLACK);
    int y = gap / 2;
    for (const wxString& line : lines) {
        if (icon.IsOk()) dc.DrawBitmap(icon, gap, y + (lineHeight - iconSize) / 2, true);
        const wxString shown = wxControl::Ellipsize(line, dc, wxELLIPSIZE_END, textWidth);
        dc.DrawText(shown, gap * 2 + iconSize, y + (lineHeight - dc.GetCharHeight()) / 2);
        y += lineHeight;
    }
    dc.SelectObject(wxNullBitmap);
    return picture;
}

}  // namespace vk
