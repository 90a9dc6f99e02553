#include "core/editor/editor_rules.h"

#include <algorithm>

#include "core/app/command_ids.h"
#include "core/editor/editor_messages.h"
#include "core/shell/text_format.h"

namespace vk {

bool IsEnabledInEditor(int id, const EditorFacts& f) {
    switch (id) {
        case cmd::kAddFolder:
            return f.filePresent;
        case cmd::kSearchFolders:
        case cmd::kAddSubfolder:
            return f.filePresent && f.foldersExist;
        case cmd::kRenameFolder:
        case cmd::kDeleteFolder:
            return f.filePresent && f.foldersExist && f.folderSelected;
        case cmd::kAddItem:
            return f.foldersExist;
        case cmd::kSearchItems:
        case cmd::kEditItem:
        case cmd::kDeleteItem:
            return f.foldersExist && f.recordsExist;
        case cmd::kReport:
        case cmd::kExportButton:
        case cmd::kExport:
        case cmd::kImportButton:
        case cmd::kImport:
        case cmd::kGeneratePassword:
            return f.foldersExist;
        case cmd::kLaunchUrl:
            return f.urlText;
        case cmd::kSendEmail:
            return f.emailText;
        case control::kUrlBox:
        case control::kEmailBox:
        case control::kNotesBox:
            return f.currentRecord;
        default:
            return true;
    }
}

std::string FolderStatusText(const std::string& folderName, std::size_t records) {
    return FormatText(msg::kFolderStatusFormat, folderName.c_str(), static_cast<unsigned>(records));
}

std::string ColumnsStatusText(const std::string& categoryName) {
    return FormatText(msg::kColumnsStatusFormat, categoryName.c_str());
}

CellStyle StyleOfCell(const CEditorState& state, int row, int column, bool gridFocused,
                      bool expired) {
    const auto& set = state.selection;
    const bool selected =
        row >= 0 && std::find(set.begin(), set.end(), static_cast<unsigned>(row)) != set.end();
    const bool current = row == state.currentRow && column == state.currentColumn;
    const bool deleting = state.deleteHighlight != DeleteHighlight::kNone;
    CellStyle style;
    if (selected) {
        style = {CellGround::kHighlight, CellInk::kHighlightText};
    } else if (current && !deleting && !state.HasMultiSelection()) {
        style = gridFocused || state.foundHighlight
                    ? CellStyle{CellGround::kHighlight, CellInk::kHighlightText}
                    : CellStyle{CellGround::kButtonFace, CellInk::kButtonText};
    }
    const bool redRow = state.deleteHighlight == DeleteHighlight::kFolder ||
                        (state.deleteHighlight == DeleteHighlight::kRecords &&
                         (row == state.currentRow || selected));
    if (redRow) style.ink = CellInk::kRed;
    if (expired) style.ink = current && deleting ? CellInk::kWhite : CellInk::kRed;
    return style;
}

std::vector<unsigned> SelectionAfterClick(const std::vector<unsigned>& selection, int currentRow,
                                          int clickedRow, ClickKind kind) {
    std::vector<unsigned> result;
    if (kind == ClickKind::kPlain || clickedRow < 0) return result;
    if (kind == ClickKind::kShift) {
        long low = clickedRow, high = clickedRow;
        if (currentRow >= 0) {
            low = std::min<long>(low, currentRow);
            high = std::max<long>(high, currentRow);
        }
        for (unsigned r : selection) {
            low = std::min<long>(low, r);
            high = std::max<long>(high, r);
        }
        for (long r = low; r <= high; ++r) result.push_back(static_cast<unsigned>(r));
        return result;
    }
    result = selection;
    const auto has = [&](unsigned r) {
        return std::find(result.begin(), result.end(), r) != result.end();
    };
    if (currentRow >= 0 && !has(static_cast<unsigned>(currentRow)))
        result.push_back(static_cast<unsigned>(currentRow));
    const auto clicked = static_cast<unsigned>(clickedRow);
    if (has(clicked))
        result.erase(std::find(result.begin(), result.end(), clicked));
    else
        result.push_back(clicked);
    return result;
}

GridMove MoveForKey(GridKey key, bool ctrl, int row, int column, int rowCount, int columnCount,
                    bool lastRecordEmpty) {
    if (rowCount <= 0 || columnCount <= 0) return {};
    row = std::clamp(row, 0, rowCount - 1);
    column = std::clamp(column, 0, columnCount - 1);
    const int lastRow = rowCount - 1, lastColumn = columnCount - 1;
    const auto to = [](int r, int c) { return GridMove{GridMove::kMove, r, c}; };
    switch (key) {
        case GridKey::kUp:
            return row > 0 ? to(row - 1, column) : GridMove{};
        case GridKey::kDown:
            if (row < lastRow) return to(row + 1, column);
            return lastRecordEmpty ? GridMove{} : GridMove{GridMove::kAddRecord, row, column};
        case GridKey::kLeft:
            if (column > 0) return to(row, column - 1);
            return row > 0 ? to(row - 1, lastColumn) : GridMove{};
        case GridKey::kRight:
            if (column < lastColumn) return to(row, column + 1);
            return row < lastRow ? to(row + 1, 0) : GridMove{};
        case GridKey::kHome:
            return ctrl ? to(0, 0) : to(row, 0);
        case GridKey::kEnd:
            return ctrl ? to(lastRow, 0) : to(row, lastColumn);
        case GridKey::kPageUp:
            return to(std::max(0, row - rowCount / 2), column);
        case GridKey::kPageDown:
            return to(std::min(lastRow, row + rowCount / 2), column);
        case GridKey::kWheelUp:
            return to(row > 0 ? row - 1 : lastRow, column);
        case GridKey::kWheelDown:
            return row < lastRow ? to(row + 1, column) : GridMove{};
    }
    return {};
}

}  // namespace vk
