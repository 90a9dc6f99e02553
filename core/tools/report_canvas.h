#pragma once
#include <string>

namespace vk {

// The report's typeface is always the same; only its size and style change.
struct ReportFont {
    int points = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const ReportFont& o) const {
        return points == o.points && bold == o.bold && italic == o.italic &&
               underline == o.underline;
    }
    bool operator!=(const ReportFont& o) const { return !(*this == o); }
};

enum class ReportAlign { kLeft, kCentre, kRight };

// A rectangle in device units: left and top inside, right and bottom just outside.
struct ReportBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    bool operator==(const ReportBox& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// What the report needs to know about the page it is printed on.
struct ReportDevice {
    int unitsPerInchX = 72;
    int unitsPerInchY = 72;
    int pageWidth = 595;  // the whole sheet, in device units
    int pageHeight = 842;
};

// Heights of the current font in device units, as the text of one line needs them.
struct ReportFontMetrics {
    int height = 0;           // ascent plus descent: what one line of text advances
    int externalLeading = 0;  // space the font wants between lines, outside its height
};

// A surface the report is measured on and drawn onto: a printer, a preview, a PDF file.
// The report is laid out once with the target's own measurements; drawing then only places
// texts that already fit their boxes.
class IReportCanvas {
  public:
    virtual ~IReportCanvas() = default;

    virtual ReportDevice Device() = 0;
    // Measuring and drawing both use the font set last.
    virtual void SetFont(const ReportFont& font) = 0;
    virtual ReportFontMetrics Metrics() = 0;
    // The width of `text` (UTF-8, one line) in the current font.
    virtual int TextWidth(const std::string& text) = 0;

    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    // One line of UTF-8 text placed in `box` by `align`, its top at the box's top.
    virtual void DrawText(const std::string& text, const ReportBox& box, ReportAlign align) = 0;
    // A light grey band behind a row.
    virtual void FillBand(const ReportBox& box) = 0;
    // A solid black horizontal line one device unit thick.
    virtual void DrawRule(int left, int right, int y) = 0;
};

}  // namespace vk
