#include "gui/tools/report_dc_canvas.h"

#include <wx/font.h>

#include "gui/ui/wx_text.h"

namespace vk {
namespace {

const wxColour kBandColour(240, 240, 240);

}  // namespace

void CReportDcCanvas::SetFont(const ReportFont& font) {
    // The character height of `points` at the printer's vertical resolution.
    const int pixels = std::max(1, font.points * device_.unitsPerInchY / 72);
    dc_.SetFont(wxFont(
        wxFontInfo(wxSize(0, pixels)).FaceName("Arial").Bold(font.bold).Italic(font.italic)));
    // Drawn by hand: the toolkit's underline does not scale with the preview's zoom.
    underline_ = font.underline ? std::max(1, pixels / 16) : 0;
}

ReportFontMetrics CReportDcCanvas::Metrics() {
    wxCoord width = 0, height = 0, descent = 0, leading = 0;
    dc_.GetTextExtent(" ", &width, &height, &descent, &leading);
    return {height, leading};
}

int CReportDcCanvas::TextWidth(const std::string& text) {
    return dc_.GetTextExtent(ToWx(text)).GetWidth();
}

void CReportDcCanvas::DrawText(const std::string& text, const ReportBox& box, ReportAlign align) {
    const wxString wx = ToWx(text);
    const int width = dc_.GetTextExtent(wx).GetWidth();
    int x = box.left;
    if (align == ReportAlign::kCentre) x = box.left + (box.Width() - width) / 2;
    if (align == ReportAlign::kRight) x = box.right - width;
    dc_.SetTextForeground(*wxBLACK);
    dc_.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc_.DrawText(wx, x, box.top);
    if (underline_ > 0) {
        wxCoord w = 0, h = 0, descent = 0;
        dc_.GetTextExtent(wx, &w, &h, &descent);
        const int y = box.top + h - descent + underline_ * 2;
        dc_.SetPen(*wxTRANSPARENT_PEN);
        dc_.SetBrush(*wxBLACK_BRUSH);
        dc_.DrawRectangle(x, y, width, underline_);
    }
}

void CReportDcCanvas::FillBand(const ReportBox& box) {
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(kBandColour));
    dc_.DrawRectangle(box.left, box.top, box.Width(), box.bottom - box.top);
}

void CReportDcCanvas::DrawRule(int left, int right, int y) {
    dc_.SetPen(wxPen(*wxBLACK, 1));
    dc_.DrawLine(left, y, right, y);
    dc_.SetPen(wxNullPen);
}

}  // namespace vk
