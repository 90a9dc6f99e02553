#include "core/tools/report_printer.h"

#include <algorithm>

#include "core/shell/text_encoding.h"

namespace vk {
namespace {

constexpr char kEllipsis[] = "...";
constexpr int kRuleDrop = 4;  // device units between the heading line and the rule
constexpr int kBarInset = 2;
constexpr std::size_t kMaxShownBytes = 4096;
constexpr int kHeadingsWithFirstRow = 5;  // lines: headings, two blanks, name, row  // device units
                                          // the grey band keeps from the lines around it

// Control characters would show as boxes or break the line: each becomes a blank.
std::string Printable(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    }
    return out;
}

// The byte offsets at which the characters of UTF-8 `text` start, and its end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

}  // namespace

CReportPrinter::CReportPrinter(IReportCanvas& canvas, int fontSize)
    : canvas_(canvas), fontSize_(fontSize), font_(Font(false, false, false)) {}

ReportFont CReportPrinter::Font(bool bold, bool italic, bool underline) const {
    ReportFont f;
    f.points = fontSize_;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

void CReportPrinter::SetFont(bool bold, bool italic, bool underline) {
    font_ = Font(bold, italic, underline);
}

void CReportPrinter::UseFont(const ReportFont& font) {
    if (canvasFontSet_ && canvasFont_ == font) return;
    canvas_.SetFont(font);
    canvasFont_ = font;
    canvasFontSet_ = true;
}

int CReportPrinter::TextHeight() {
    UseFont(font_);
    return canvas_.Metrics().height;
}

int CReportPrinter::Width(const std::string& text) {
    UseFont(font_);
    return canvas_.TextWidth(text);
}

void CReportPrinter::StartDocument() {
    const ReportDevice device = canvas_.Device();
    left_ = device.unitsPerInchX / 2;
    top_ = device.unitsPerInchY / 2;
    right_ = device.pageWidth - left_;
    bottom_ = device.pageHeight - top_;
    ResetFont();
    UseFont(font_);
    const ReportFontMetrics metrics = canvas_.Metrics();
    lineHeight_ = metrics.height + metrics.externalLeading;
    pages_.clear();
    pageNumber_ = 0;
    y_ = top_;
}

CReportDocument CReportPrinter::EndDocument() {
    if (pages_.empty()) NewPage();
    return CReportDocument(std::move(pages_));
}

void CReportPrinter::SetColumnHeadings(std::vector<std::string> headings) {
    columns_ = std::move(headings);
}

std::string CReportPrinter::Fit(const std::string& whole, int width) {
    if (width <= 0) return {};
    // No line shows this much: a longer text is cut without measuring all of it.
    const bool tooLong = whole.size() > kMaxShownBytes;
    std::string text = whole.substr(0, tooLong ? kMaxShownBytes : whole.size());
    if (tooLong) text.resize(CompleteUtf8Prefix(text));
    if (!tooLong && Width(text) <= width) return text;
    const std::vector<std::size_t> starts = CharacterStarts(text);
    // The most characters that still leave room for the ellipsis.
    std::size_t low = 0, high = starts.size() - 1;
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (Width(text.substr(0, starts[mid]) + kEllipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    std::string cut = text.substr(0, starts[low]) + kEllipsis;
    while (!cut.empty() && Width(cut) > width) cut.pop_back();  // only dots can be left here
    return cut;
}

void CReportPrinter::AddText(const std::string& text, const ReportBox& box, ReportAlign align) {
    if (text.empty()) return;
    ReportOp op;
    op.kind = ReportOp::Kind::kText;
    op.font = font_;
    op.align = align;
    op.box = box;
    op.text = text;
    pages_.back().push_back(std::move(op));
}

void CReportPrinter::PrintLine(const std::string& text, ReportAlign align, bool advance) {
    int height = TextHeight();
    if (!inHeader_ && (pages_.empty() || y_ > PageEnd() || y_ + height > PageEnd())) {
        // A blank line never opens a page: it would leave one with nothing but its header.
        if (text.empty()) return;
        NewPage();
        height = TextHeight();
    }
    if (!text.empty()) {
        const ReportBox box{left_, y_, right_, y_ + height};
        AddText(Fit(Printable(text), box.Width()), box, align);
    }
    if (advance) y_ += height;
}

void CReportPrinter::KeepLineOnPage() {
    if (pages_.empty() || y_ + TextHeight() > PageEnd()) NewPage();
}

ReportBox CReportPrinter::ColumnBox(int column) {
    const int count = std::max<int>(1, static_cast<int>(columns_.size()));
    const int width = (right_ - left_) / count;
    const int start = left_ + column * width;
    const int end = std::min(start + width - Width("X"), right_);
    return ReportBox{start, y_, std::max(start, end), y_ + TextHeight()};
}

void CReportPrinter::PrintCell(int column, const std::string& text) {
    if (pages_.empty()) NewPage();
    const ReportBox box = ColumnBox(column);
    AddText(Fit(Printable(text), box.Width()), box, ReportAlign::kLeft);
    tallestCell_ = std::max(tallestCell_, box.bottom - box.top);
}

void CReportPrinter::EndRow() {
    y_ += tallestCell_;
    tallestCell_ = 0;
    if (y_ > PageEnd()) NewPage();
}

void CReportPrinter::HalfLine() {
    y_ += TextHeight() / 2;
}

void CReportPrinter::Bar() {
    if (pages_.empty()) NewPage();
    const ReportBox band{left_, y_ + kBarInset, right_, y_ + lineHeight_ - kBarInset};
    if (band.bottom <= band.top) return;
    ReportOp op;
    op.kind = ReportOp::Kind::kBand;
    op.box = band;
    pages_.back().push_back(std::move(op));
}

void CReportPrinter::DrawHeadingsRow() {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const ReportBox box = ColumnBox(static_cast<int>(i));
        AddText(Fit(Printable(columns_[i]), box.Width()), box, ReportAlign::kLeft);
    }
}

void CReportPrinter::PrintColumnHeadings() {
    const ReportFont saved = font_;
    SetFont(true, false, true);
    // Headings never stand alone at the foot of a page: they keep the room for the blank
    // line, the folder's name and its first row below them.
    if (pages_.empty() || y_ + kHeadingsWithFirstRow * TextHeight() > PageEnd()) {
        NewPage();  // its header carries the headings
    } else {
        DrawHeadingsRow();
        PrintLine("", ReportAlign::kLeft, true);
    }
    font_ = saved;
}

void CReportPrinter::NewPage() {
    pages_.emplace_back();
    ++pageNumber_;
    y_ = top_;
    tallestCell_ = 0;
    inHeader_ = true;
    const ReportFont saved = font_;

    SetFont(true, false, false);
    const std::string number = std::to_string(pageNumber_);
    const std::string date = Printable(date_);
    PrintLine(number, ReportAlign::kRight, false);
    PrintLine(date, ReportAlign::kLeft, false);
    // The heading stays clear of the date and the page number, centred on the page.
    const int gap = Width("X");
    const int leftEnd = left_ + (date.empty() ? 0 : Width(date) + gap);
    const int rightStart = right_ - Width(number) - gap;
    SetFont(true, true, false);
    const int centre = (left_ + right_) / 2;
    const int half = std::max(0, std::min(centre - leftEnd, rightStart - centre));
    ReportBox headingBox{centre - half, y_, centre + half, y_ + TextHeight()};
    // A heading too wide for the middle of the page (a long one, or a large font whose date
    // reaches past the centre) takes all the room between the date and the number instead,
    // so some of it always shows.
    const std::string heading = Printable(heading_);
    if (Width(heading) > headingBox.Width() && rightStart > leftEnd)
        headingBox = ReportBox{leftEnd, y_, rightStart, y_ + TextHeight()};
    AddText(Fit(heading, headingBox.Width()), headingBox, ReportAlign::kCentre);
    PrintLine("", ReportAlign::kLeft, true);

    y_ += kRuleDrop;
    ReportOp rule;
    rule.kind = ReportOp::Kind::kRule;
    rule.box = ReportBox{left_, y_, right_, y_};
    pages_.back().push_back(std::move(rule));
    PrintLine("", ReportAlign::kLeft, true);

    if (!columns_.empty()) {
        SetFont(true, false, true);
        DrawHeadingsRow();
        PrintLine("", ReportAlign::kLeft, true);
    }
    font_ = saved;
    inHeader_ = false;
}

}  // namespace vk
