#include "core/tools/report_run.h"

#include <algorithm>
#include <vector>

#include "core/shell/date_text.h"
#include "core/shell/text_encoding.h"
#include "core/tools/report_printer.h"

namespace vk {
namespace {

// Categories are kept as stored; this one marks a top-level folder whose groups print
// without column headings.
constexpr std::int32_t kNoHeadingsCategory = -1;

const CFolderTree::Node* TopLevelOf(const CFolderTree::Node* node) {
    while (node->parent && node->parent->parent) node = node->parent;
    return node;
}

// Notes print as one line: line feeds go, carriage returns become blanks.
std::string NotesLine(const std::string& notes) {
    std::string line;
    line.reserve(notes.size());
    for (char c : notes) {
        if (c == '\n') continue;
        line.push_back(c == '\r' ? ' ' : c);
    }
    return line;
}

class CReportRun {
  public:
    CReportRun(const ReportRequest& request, IReportCanvas& canvas)
        : r_(request), printer_(canvas, ReportFontSizeOrDefault(request.options.fontSize)) {}

    CReportDocument Run() {
        printer_.SetHeading(TextAsUtf8(r_.options.heading));
        printer_.SetDateText(TextAsUtf8(r_.dateText));
        printer_.StartDocument();
        if (!r_.options.pageBreak) printer_.NewPage();
        r_.selection.Tree().ForEachPreOrder([this](CFolderTree::Node& node) {
            if (r_.selection.IsTicked(&node) && r_.store.IsValidFolderIndex(node.folderIndex))
                PrintFolder(node);
        });
        return printer_.EndDocument();
    }

  private:
    const CFolder* FolderOf(const CFolderTree::Node* node) const {
        return r_.store.IsValidFolderIndex(node->folderIndex)
                   ? &r_.store.folders[static_cast<std::size_t>(node->folderIndex)]
                   : nullptr;
    }

    // The fields of the category's slots, the password only when it is asked for.
    std::vector<int> SlotFields(std::int32_t category) const {
        std::vector<int> fields;
        for (std::int32_t field : r_.settings.ColumnsOf(NormaliseCategory(category))) {
            if (field < 0 || field >= kListFieldCount) continue;
            if (field == kPassword && !r_.items.passwords) continue;
            fields.push_back(field);
        }
        return fields;
    }

    bool Printable(const CRecord& record, const std::vector<int>& slotFields) const {
        if (r_.options.expiredOnly &&
            !(IsCalendarDate(record.dateExpires) && IsBefore(record.dateExpires, r_.now)))
            return false;
        if (record.IsEmpty()) return false;
        return std::any_of(slotFields.begin(), slotFields.end(),
                           [&](int f) { return !record[f].empty(); });
    }

    void ToggleBar() {
        bar_ = !bar_;
        if (bar_ && r_.options.bars) printer_.Bar();
    }

    void PrintFolder(const CFolderTree::Node& node) {
        const CFolderTree::Node* top = TopLevelOf(&node);
        if (top != group_) {
            group_ = top;
            headingsPrinted_ = false;
            headingsSuppressed_ = false;
        }
        const CFolder* topFolder = FolderOf(top);
        const std::int32_t category = topFolder ? topFolder->category : kCategoryDefault;
        if (category == kNoHeadingsCategory) headingsSuppressed_ = true;

        const std::vector<int> slotFields = SlotFields(category);
        std::vector<int> columns = slotFields;
        if (r_.items.urls) columns.push_back(kUrl);
        if (r_.items.emails) columns.push_back(kEmail);
        if (columns.empty()) return;
        std::vector<std::string> headings;
        for (int field : columns)
            headings.push_back(
                TextAsUtf8(r_.settings.columnNames[static_cast<std::size_t>(field)]));
        printer_.SetColumnHeadings(std::move(headings));

        const CFolder& folder = *FolderOf(&node);
        bool folderStarted = false;
        for (const CRecord& record : folder.records) {
            if (!Printable(record, slotFields)) continue;
            if (!headingsPrinted_) {
                if (r_.options.pageBreak)
                    printer_.NewPage();
                else if (!headingsSuppressed_)
                    printer_.PrintColumnHeadings();
                headingsPrinted_ = headingsSuppressed_ = true;
            }
            if (!folderStarted) {
                folderStarted = true;
                printer_.PrintLine("", ReportAlign::kLeft, true);
                printer_.SetFont(true, false, false);
                // The folder's bar belongs on the page its name goes to.
                printer_.KeepLineOnPage();
                bar_ = false;
                ToggleBar();
                printer_.PrintLine(TextAsUtf8(node.name), ReportAlign::kLeft, true);
                printer_.ResetFont();
            }
            ToggleBar();
            for (std::size_t i = 0; i < columns.size(); ++i)
                printer_.PrintCell(static_cast<int>(i), TextAsUtf8(record[columns[i]]));
            printer_.EndRow();
            if (r_.items.comments && !record[kNotes].empty()) {
                bar_ = false;
                printer_.PrintLine(TextAsUtf8(NotesLine(record[kNotes])), ReportAlign::kLeft, true);
            }
            printer_.HalfLine();
        }
        printer_.PrintLine("", ReportAlign::kLeft, true);
    }

    const ReportRequest& r_;
    CReportPrinter printer_;
    const CFolderTree::Node* group_ = nullptr;
    bool headingsPrinted_ = false;
    bool headingsSuppressed_ = false;
    bool bar_ = false;
};

}  // namespace

CReportDocument LayOutReport(const ReportRequest& request, IReportCanvas& canvas) {
    return CReportRun(request, canvas).Run();
}

}  // namespace vk
