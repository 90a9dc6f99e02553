#pragma once
#include <string>

#include "core/tools/report_canvas.h"

namespace vk::test {

// A page of 100 units per inch, 8.5 by 11 inches, with fixed-width fonts: every character
// is as wide as the font has points, a line is points + 2 high with 1 unit of leading.
// Draws nothing; counts pages.
class FakeReportCanvas : public IReportCanvas {
  public:
    ReportDevice device{100, 100, 850, 1100};
    ReportFont font;
    int pagesStarted = 0;

    ReportDevice Device() override { return device; }
    void SetFont(const ReportFont& f) override { font = f; }
    ReportFontMetrics Metrics() override { return {font.points + 2, 1}; }
    int TextWidth(const std::string& text) override {
        int characters = 0;
        for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return characters * font.points;
    }
    void StartPage() override { ++pagesStarted; }
    void EndPage() override {}
    void DrawText(const std::string&, const ReportBox&, ReportAlign) override {}
    void FillBand(const ReportBox&) override {}
    void DrawRule(int, int, int) override {}
};

}  // namespace vk::test
