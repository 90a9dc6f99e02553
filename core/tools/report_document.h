#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/tools/report_canvas.h"

namespace vk {

// One drawing step of a laid-out page.
struct ReportOp {
    enum class Kind { kText, kBand, kRule };
    Kind kind = Kind::kText;
    ReportFont font;  // texts only
    ReportAlign align = ReportAlign::kLeft;
    ReportBox box;     // a rule uses left, right and top
    std::string text;  // UTF-8, already cut to fit the box
};

using ReportPage = std::vector<ReportOp>;

// A report laid out into pages: what every page shows, ready to be drawn on the canvas it
// was measured with, one page at a time (printing, preview) or all at once (PDF).
class CReportDocument {
  public:
    explicit CReportDocument(std::vector<ReportPage> pages) : pages_(std::move(pages)) {}

    std::size_t PageCount() const { return pages_.size(); }
    const ReportPage& Page(std::size_t index) const { return pages_.at(index); }

    // Draws page `index` (from 0) without starting or ending it.
    void DrawPage(std::size_t index, IReportCanvas& canvas) const;
    // Every page, each started and ended.
    void DrawAll(IReportCanvas& canvas) const;

  private:
    std::vector<ReportPage> pages_;
};

}  // namespace vk
