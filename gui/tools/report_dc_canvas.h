#pragma once
#include <wx/dc.h>

#include "core/tools/report_canvas.h"

namespace vk {

// The report on a toolkit device context whose logical units are the printer's pixels:
// fonts are made at the printer's resolution, so the same layout serves the measuring
// context, the printer and the preview.
class CReportDcCanvas : public IReportCanvas {
  public:
    CReportDcCanvas(wxDC& dc, const ReportDevice& device) : dc_(dc), device_(device) {}

    ReportDevice Device() override { return device_; }
    void SetFont(const ReportFont& font) override;
    ReportFontMetrics Metrics() override;
    int TextWidth(const std::string& text) override;
    void StartPage() override {}
    void EndPage() override {}
    void DrawText(const std::string& text, const ReportBox& box, ReportAlign align) override;
    void FillBand(const ReportBox& box) override;
    void DrawRule(int left, int right, int y) override;

  private:
    wxDC& dc_;
    ReportDevice device_;
    int underline_ = 0;  // thickness of the current font's underline; 0 for none
};

}  // namespace vk
