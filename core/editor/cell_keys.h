#pragma once
#include <string>

namespace vk {

// The editor's keyboard as a state machine: which key, where the focus is and where the
// current cell stands decide what happens. The window asks, then carries the answer out.

enum class EditorKey {
    kCharacter,  // a printable character (its text in KeyPress::text), or a letter with Ctrl
    kF2,
    kEnter,
    kEscape,
    kTab,
    kInsert,
    kDelete,
    kPageUp,
    kPageDown,
    kHome,
    kEnd,
    kLeft,
    kRight,
    kUp,
    kDown,
    kOther,
};

struct KeyPress {
    EditorKey key = EditorKey::kOther;
    std::string text;  // kCharacter: the character as UTF-8
    bool shift = false;
    bool ctrl = false;
    bool capsLock = false;
};

enum class EditorFocus {
    kTree,
    kLabelEditor,  // the tree's in-place name editor
    kGrid,
    kTextCellEditor,
    kDateCellEditor,
    kUrlBox,
    kEmailBox,
    kNotesBox,
    kOther,
};

// What the keys look at.
struct KeyContext {
    EditorFocus focus = EditorFocus::kGrid;
    int row = -1;     // current cell; -1: none
    int column = -1;  // -1: none
    int rowCount = 0;
    int columnCount = 0;
    int lastGridRow = -1;  // the row Tab left for the URL box
    bool multiSelection = false;
    bool currentRecordEmpty = false;
    bool lastRecordEmpty = false;
    bool canUndo = false;
    bool autoCompleteOpen = false;
    bool cellEditorHasText = false;  // the open cell editor holds text the commit will store
};

// Where a move of the current cell goes.
enum class MoveTarget { kNone, kCell, kUrlBox, kEmailBox, kNotesBox, kTree };

// A move: first store the field boxes into the current record (always) and commit an open cell
// edit (`commit`), then go to `target`. For kCell, (row, column) becomes current and the grid
// gets the focus; a box gets the focus with its whole text selected; kTree keeps `row` and
// `column` as the current cell (-1 clears them).
struct CellMove {
    MoveTarget target = MoveTarget::kNone;
    int row = -1;
    int column = -1;
    bool commit = false;
    bool rememberLastGridRow = false;  // the row left for the URL box becomes the last grid row
};

enum class KeyEffect {
    kPass,           // not the editor's: the focused control handles the key as usual
    kIgnore,         // swallowed
    kMove,           // carry out `move`
    kEditCell,       // open the cell editor on the current cell, with `text` when not empty
    kCancelEdit,     // close the cell editor, keeping the cell's old text
    kAddRecord,      // (after committing an open edit)
    kDeleteRecords,  // the current record, or the selected ones
    kCutCell,        // Cut on the current cell
    kDeleteFolder,   // the selected folder, with its question
    kRenameFolder,   // the selected folder, in place
    kUndo,
    kSearchItems,
    kSearchFolders,
    kDateKeyHint,     // show "Use arrow keys, Enter, or ESC for date fields"; ignore the key
    kNotesLineBreak,  // drop the selection in the Notes box, then let it insert the line break
};

struct KeyOutcome {
    KeyEffect effect = KeyEffect::kPass;
    CellMove move;
    std::string text;
};

KeyOutcome HandleEditorKey(const KeyPress& key, const KeyContext& context);

// Tab and Enter forwards: the next cell of the row, then the URL, Email and Notes boxes, then
// the folder tree. Backwards (with Shift) the other way; from the first cell to the tree.
CellMove NextCell(const KeyContext& context);
CellMove PreviousCell(const KeyContext& context);
// Makes (row, column) current: a column past the last one is column 0 of the next row; a row
// outside the folder's records goes nowhere.
CellMove MoveToCell(const KeyContext& context, int row, int column);

// The character a key typed into an empty grid cell starts its edit with: a letter in lower
// case, in upper case with either Shift or Caps Lock (not both); anything else as typed.
std::string TypedCharacter(const std::string& text, bool shift, bool capsLock);

}  // namespace vk
