#include "core/editor/cell_keys.h"

#include <algorithm>
#include <optional>

#include "core/editor/editor_rules.h"

namespace vk {
namespace {

KeyOutcome Effect(KeyEffect effect, std::string text = {}) {
    KeyOutcome outcome;
    outcome.effect = effect;
    outcome.text = std::move(text);
    return outcome;
}

KeyOutcome Move(const CellMove& move) {
    KeyOutcome outcome;
    outcome.effect = move.target == MoveTarget::kNone ? KeyEffect::kIgnore : KeyEffect::kMove;
    outcome.move = move;
    return outcome;
}

CellMove GoTo(MoveTarget target, int row = -1, int column = -1) {
    CellMove move;
    move.target = target;
    move.row = row;
    move.column = column;
    move.commit = true;
    return move;
}

bool HasCurrentCell(const KeyContext& c) {
    return c.row >= 0 && c.row < c.rowCount && c.column >= 0;
}

bool IsCtrlLetter(const KeyPress& key, char letter) {
    return key.key == EditorKey::kCharacter && key.ctrl && key.text.size() == 1 &&
           (key.text[0] | 0x20) == letter;
}

// The grid's own navigation keys, as the grid moves its current cell.
KeyOutcome Navigate(GridKey key, bool ctrl, const KeyContext& c) {
    const GridMove move =
        MoveForKey(key, ctrl, c.row, c.column, c.rowCount, c.columnCount, c.lastRecordEmpty);
    if (move.action == GridMove::kAddRecord) return Effect(KeyEffect::kAddRecord);
    if (move.action == GridMove::kNone) return Effect(KeyEffect::kIgnore);
    return Move(MoveToCell(c, move.row, move.column));
}

std::optional<GridKey> NavigationKey(EditorKey key) {
    switch (key) {
        case EditorKey::kUp:
            return GridKey::kUp;
        case EditorKey::kDown:
            return GridKey::kDown;
        case EditorKey::kLeft:
            return GridKey::kLeft;
        case EditorKey::kRight:
            return GridKey::kRight;
        case EditorKey::kHome:
            return GridKey::kHome;
        case EditorKey::kEnd:
            return GridKey::kEnd;
        case EditorKey::kPageUp:
            return GridKey::kPageUp;
        case EditorKey::kPageDown:
            return GridKey::kPageDown;
        default:
            return std::nullopt;
    }
}

KeyOutcome Tab(const KeyPress& key, const KeyContext& c) {
    return Move(key.shift ? PreviousCell(c) : NextCell(c));
}

KeyOutcome KeyInGrid(const KeyPress& key, const KeyContext& c) {
    if (const auto navigation = NavigationKey(key.key)) return Navigate(*navigation, key.ctrl, c);
    switch (key.key) {
        case EditorKey::kCharacter:
            if (IsCtrlLetter(key, 'f')) return Effect(KeyEffect::kSearchItems);
            if (IsCtrlLetter(key, 'z'))
                return Effect(c.canUndo ? KeyEffect::kUndo : KeyEffect::kIgnore);
            if (key.ctrl || !HasCurrentCell(c)) return Effect(KeyEffect::kPass);
            return Effect(KeyEffect::kEditCell, TypedCharacter(key.text, key.shift, key.capsLock));
        case EditorKey::kF2:
        case EditorKey::kEnter:
            return Effect(HasCurrentCell(c) ? KeyEffect::kEditCell : KeyEffect::kIgnore);
        case EditorKey::kDelete:
            if (c.multiSelection) return Effect(KeyEffect::kDeleteRecords);
            if (c.row < 0 || c.row >= c.rowCount) return Effect(KeyEffect::kIgnore);
            return Effect(c.currentRecordEmpty ? KeyEffect::kDeleteRecords : KeyEffect::kCutCell);
        case EditorKey::kTab:
            return Tab(key, c);
        case EditorKey::kEscape:
            return Effect(KeyEffect::kIgnore);
        default:
            return Effect(KeyEffect::kPass);
    }
}

KeyOutcome CellEditorKey(const KeyPress& key, const KeyContext& c) {
    const bool date = c.focus == EditorFocus::kDateCellEditor;
    switch (key.key) {
        case EditorKey::kEnter:
        case EditorKey::kTab:
            return Tab(key, c);
        case EditorKey::kEscape:
            return Effect(KeyEffect::kCancelEdit);
        case EditorKey::kUp:
        case EditorKey::kDown: {
            if (date || c.autoCompleteOpen) return Effect(KeyEffect::kPass);
            // The edit is committed first: text typed into the blank last record makes it a
            // record Down adds another after.
            KeyContext committed = c;
            if (c.cellEditorHasText && c.row == c.rowCount - 1) committed.lastRecordEmpty = false;
            const KeyOutcome outcome = Navigate(*NavigationKey(key.key), false, committed);
            // Where the grid has nowhere to go, the edit is still committed and closed.
            return outcome.effect == KeyEffect::kIgnore ? Move(MoveToCell(c, c.row, c.column))
                                                        : outcome;
        }
        case EditorKey::kLeft:
        case EditorKey::kRight:
            return Effect(KeyEffect::kPass);
        case EditorKey::kInsert:
            return Effect(date ? KeyEffect::kDateKeyHint : KeyEffect::kAddRecord);
        default:
            return Effect(date ? KeyEffect::kDateKeyHint : KeyEffect::kPass);
    }
}

KeyOutcome TreeKey(const KeyPress& key, const KeyContext& c) {
    if (IsCtrlLetter(key, 'f')) return Effect(KeyEffect::kSearchFolders);
    if (IsCtrlLetter(key, 'z')) return Effect(c.canUndo ? KeyEffect::kUndo : KeyEffect::kIgnore);
    switch (key.key) {
        case EditorKey::kF2:
            return Effect(KeyEffect::kRenameFolder);
        case EditorKey::kDelete:
            return Effect(KeyEffect::kDeleteFolder);
        case EditorKey::kTab:
            if (key.shift) {
                CellMove toNotes = GoTo(MoveTarget::kNotesBox);
                return Move(toNotes);
            } else {
                const int row = c.lastGridRow + 1 < c.rowCount ? c.lastGridRow + 1 : 0;
                return Move(MoveToCell(c, row, 0));
            }
        default:
            return Effect(KeyEffect::kPass);
    }
}

KeyOutcome BoxKey(const KeyPress& key, const KeyContext& c) {
    switch (key.key) {
        case EditorKey::kTab:
            return Tab(key, c);
        case EditorKey::kEnter:
            if (c.focus == EditorFocus::kNotesBox) return Effect(KeyEffect::kNotesLineBreak);
            return Move(NextCell(c));
        default:
            return Effect(KeyEffect::kPass);
    }
}

}  // namespace

KeyOutcome HandleEditorKey(const KeyPress& key, const KeyContext& c) {
    // The name editor of the tree takes every key while it is open.
    if (c.focus == EditorFocus::kLabelEditor) return Effect(KeyEffect::kPass);
    const bool dateEditor = c.focus == EditorFocus::kDateCellEditor;
    if (key.key == EditorKey::kInsert && !dateEditor) return Effect(KeyEffect::kAddRecord);
    switch (c.focus) {
        case EditorFocus::kGrid:
            return KeyInGrid(key, c);
        case EditorFocus::kTextCellEditor:
        case EditorFocus::kDateCellEditor:
            return CellEditorKey(key, c);
        case EditorFocus::kTree:
            return TreeKey(key, c);
        case EditorFocus::kUrlBox:
        case EditorFocus::kEmailBox:
        case EditorFocus::kNotesBox:
            return BoxKey(key, c);
        default:
            return Effect(KeyEffect::kPass);
    }
}

CellMove NextCell(const KeyContext& c) {
    switch (c.focus) {
        case EditorFocus::kUrlBox:
            return GoTo(MoveTarget::kEmailBox);
        case EditorFocus::kEmailBox:
            return GoTo(MoveTarget::kNotesBox);
        case EditorFocus::kNotesBox:
            return GoTo(MoveTarget::kTree, c.row, -1);
        default:
            break;
    }
    if (c.row < 0 || c.row >= c.rowCount) return {};
    const int column = c.column + 1;
    if (column >= c.columnCount) {
        CellMove toUrl = GoTo(MoveTarget::kUrlBox);
        toUrl.rememberLastGridRow = true;
        return toUrl;
    }
    return MoveToCell(c, c.row, column);
}

CellMove PreviousCell(const KeyContext& c) {
    switch (c.focus) {
        case EditorFocus::kNotesBox:
            return GoTo(MoveTarget::kEmailBox);
        case EditorFocus::kEmailBox:
            return GoTo(MoveTarget::kUrlBox);
        case EditorFocus::kUrlBox: {
            // Back to the record the boxes show, at its last column.
            const int row = c.row >= 0 && c.row < c.rowCount ? c.row : c.rowCount - 1;
            return MoveToCell(c, row, c.columnCount - 1);
        }
        default:
            break;
    }
    if (c.row <= 0 && c.column < 1) return GoTo(MoveTarget::kTree);
    if (c.column >= 1) return MoveToCell(c, c.row, c.column - 1);
    return MoveToCell(c, c.row - 1, c.columnCount - 1);
}

CellMove MoveToCell(const KeyContext& c, int row, int column) {
    if (column >= c.columnCount && c.columnCount > 0) {
        column = 0;
        ++row;
    }
    if (row < 0 || row >= c.rowCount) return {};
    return GoTo(MoveTarget::kCell, row, c.columnCount > 0 ? std::max(column, 0) : -1);
}

std::string TypedCharacter(const std::string& text, bool shift, bool capsLock) {
    if (text.size() != 1) return text;
    const char ch = text[0];
    const bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
    if (!letter) return text;
    const bool upper = shift != capsLock;
    return std::string(1, upper ? static_cast<char>(ch & ~0x20) : static_cast<char>(ch | 0x20));
}

}  // namespace vk
