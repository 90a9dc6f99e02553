#pragma once
#include <string>
#include <vector>

#include "core/tools/report_canvas.h"
#include "core/tools/report_document.h"

namespace vk {

// Lays a report out line by line on pages of the canvas's size: a page frame half an inch
// in from each edge, a header on every page (page number, date, heading, rule and the column
// headings), rows of cells in equal columns, and a new page whenever the next line would
// pass the page's end. Measures with the canvas; what it lays out is drawn later.
class CReportPrinter {
  public:
    CReportPrinter(IReportCanvas& canvas, int fontSize);

    // Measures the line height and the page frame. Nothing is on a page yet.
    void StartDocument();
    // The finished pages; a report that printed nothing still has one page with its header.
    CReportDocument EndDocument();

    void SetHeading(std::string heading) { heading_ = std::move(heading); }
    void SetDateText(std::string date) { date_ = std::move(date); }
    void SetColumnHeadings(std::vector<std::string> headings);

    // Style of the report's face at the report's size; ResetFont returns to the plain one.
    void SetFont(bool bold, bool italic, bool underline);
    void ResetFont() { SetFont(false, false, false); }

    // One line from the left to the right edge, cut with "..." when too long. An empty text
    // gives a blank line, which is dropped where it would start a page.
    void PrintLine(const std::string& text, ReportAlign align, bool advance);
    // Starts a new page first when a line of the current font would not fit on this one.
    void KeepLineOnPage();
    // The text of column `column` in its box on the current row.
    void PrintCell(int column, const std::string& text);
    void EndRow();
    void HalfLine();
    // The grey band behind the line at the current position.
    void Bar();
    // The column headings as a row of their own, followed by a blank line.
    void PrintColumnHeadings();
    void NewPage();

    int PageNumber() const { return pageNumber_; }

  private:
    ReportFont Font(bool bold, bool italic, bool underline) const;
    void UseFont(const ReportFont& font);
    int TextHeight();
    int Width(const std::string& text);
    // `text` as it fits `width`: whole, or cut at a character and ended with "...".
    std::string Fit(const std::string& text, int width);
    void AddText(const std::string& text, const ReportBox& box, ReportAlign align);
    void DrawHeadingsRow();
    ReportBox ColumnBox(int column);
    int PageEnd() const { return bottom_ - top_; }

    IReportCanvas& canvas_;
    int fontSize_;
    std::string heading_;
    std::string date_;
    std::vector<std::string> columns_;

    ReportFont font_;        // the one lines and cells are printed in
    ReportFont canvasFont_;  // the one the canvas measures with
    bool canvasFontSet_ = false;

    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    int lineHeight_ = 0;
    int y_ = 0;
    int tallestCell_ = 0;
    int pageNumber_ = 0;
    bool inHeader_ = false;
    std::vector<ReportPage> pages_;
};

}  // namespace vk
