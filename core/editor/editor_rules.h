#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "core/editor/editor_state.h"

namespace vk {

// What the editor's enabling rules look at.
struct EditorFacts {
    bool filePresent = false;   // the file's path names an existing file
    bool foldersExist = false;  // the tree holds at least one folder
    bool folderSelected = false;
    bool recordsExist = false;   // the grid has at least one row
    bool urlText = false;        // the URL box is not empty
    bool emailText = false;      // the Email box is not empty
    bool currentRecord = false;  // a current record exists
};

// Whether the editor's command or control `id` is enabled: the folder and item commands, the
// tools, the launch buttons and the three field boxes. Other ids are always enabled.
bool IsEnabledInEditor(int id, const EditorFacts& facts);

// "Folder: <name>    Records: <count>" and "Columns: <category name>".
std::string FolderStatusText(const std::string& folderName, std::size_t records);
std::string ColumnsStatusText(const std::string& categoryName);

// How a cell is painted: its ground and its ink.
enum class CellGround { kWindow, kHighlight, kButtonFace };
enum class CellInk { kWindowText, kHighlightText, kButtonText, kRed, kWhite };
struct CellStyle {
    CellGround ground = CellGround::kWindow;
    CellInk ink = CellInk::kWindowText;
    bool operator==(const CellStyle& o) const { return ground == o.ground && ink == o.ink; }
};

// The look of cell (row, column): selected rows, the current cell (bright while the grid has
// the focus or a search found it, dim otherwise, not drawn during a multi-selection or a
// delete), red rows while a delete waits, red expired dates.
CellStyle StyleOfCell(const CEditorState& state, int row, int column, bool gridFocused,
                      bool expired);

// The selection after a click on `clickedRow`: a plain click clears it; Shift selects every row
// from the smallest to the largest of the current row, the clicked row and the rows selected;
// Ctrl adds the current row and then toggles the clicked one.
enum class ClickKind { kPlain, kShift, kCtrl };
std::vector<unsigned> SelectionAfterClick(const std::vector<unsigned>& selection, int currentRow,
                                          int clickedRow, ClickKind kind);

// Moving the current cell with the keys of the grid and the mouse wheel.
enum class GridKey {
    kUp,
    kDown,
    kLeft,
    kRight,
    kHome,
    kEnd,
    kPageUp,
    kPageDown,
    kWheelUp,
    kWheelDown
};
struct GridMove {
    enum Action { kNone, kMove, kAddRecord } action = kNone;
    int row = -1;
    int column = -1;
};
// `lastRecordEmpty`: Down on the last row adds a record only after a record with text.
GridMove MoveForKey(GridKey key, bool ctrl, int row, int column, int rowCount, int columnCount,
                    bool lastRecordEmpty);

}  // namespace vk
