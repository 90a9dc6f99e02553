// The editor's keys: each key is read as the key table says, before the focused control
// would handle it, and what the table answers is carried out here.
#include <wx/datectrl.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "core/app/command_ids.h"
#include "core/editor/edit_messages.h"
#include "gui/app/app_context.h"
#include "gui/editor/cell_editors.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/editor/record_grid_table.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

// The editor keys among the toolkit's key codes; kOther for the rest.
EditorKey KeyOfCode(int code) {
    switch (code) {
        case WXK_F2:
            return EditorKey::kF2;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return EditorKey::kEnter;
        case WXK_ESCAPE:
            return EditorKey::kEscape;
        case WXK_TAB:
        case WXK_NUMPAD_TAB:
            return EditorKey::kTab;
        case WXK_INSERT:
        case WXK_NUMPAD_INSERT:
            return EditorKey::kInsert;
        case WXK_DELETE:
        case WXK_NUMPAD_DELETE:
            return EditorKey::kDelete;
        case WXK_PAGEUP:
        case WXK_NUMPAD_PAGEUP:
            return EditorKey::kPageUp;
        case WXK_PAGEDOWN:
        case WXK_NUMPAD_PAGEDOWN:
            return EditorKey::kPageDown;
        case WXK_HOME:
        case WXK_NUMPAD_HOME:
            return EditorKey::kHome;
        case WXK_END:
        case WXK_NUMPAD_END:
            return EditorKey::kEnd;
        case WXK_LEFT:
        case WXK_NUMPAD_LEFT:
            return EditorKey::kLeft;
        case WXK_RIGHT:
        case WXK_NUMPAD_RIGHT:
            return EditorKey::kRight;
        case WXK_UP:
        case WXK_NUMPAD_UP:
            return EditorKey::kUp;
        case WXK_DOWN:
        case WXK_NUMPAD_DOWN:
            return EditorKey::kDown;
        default:
            return EditorKey::kOther;
    }
}

bool IsModifierKey(int code) {
    return code == WXK_SHIFT || code == WXK_CONTROL || code == WXK_ALT || code == WXK_CAPITAL ||
           code == WXK_NUMLOCK || code == WXK_SCROLL || code == WXK_WINDOWS_LEFT ||
           code == WXK_WINDOWS_RIGHT || code == WXK_WINDOWS_MENU;
}

}  // namespace

void CPasswordEditorDlg::OnCharHook(wxKeyEvent& event) {
    const int code = event.GetKeyCode();
    KeyPress key;
    key.key = KeyOfCode(code);
    key.shift = event.ShiftDown();
    key.ctrl = event.ControlDown();
    const EditorFocus focus =
        labelEditing_ ? EditorFocus::kLabelEditor : FocusOf(wxWindow::FindFocus());
    // Alt belongs to the menus; Shift+Insert and Shift+Delete to the edit boxes' clipboard.
    if (event.AltDown() || ((key.key == EditorKey::kInsert || key.key == EditorKey::kDelete) &&
                            (key.shift || key.ctrl))) {
        event.Skip();
        return;
    }
    if (key.key == EditorKey::kOther) {
        if (key.ctrl && code >= 'A' && code <= 'Z') {
            key.key = EditorKey::kCharacter;
            key.text = std::string(1, static_cast<char>(code));
        } else if (focus == EditorFocus::kDateCellEditor && !IsModifierKey(code)) {
            key.key = EditorKey::kCharacter;  // the date editor takes no typing
        } else {
            // Printable keys reach the grid as characters (OnGridChar).
            event.Skip();
            return;
        }
    }
    // The date picker's arrows: Up and Down step the day, Left and Right the month.
    if (focus == EditorFocus::kDateCellEditor && !key.ctrl) {
        const int days = key.key == EditorKey::kUp ? 1 : key.key == EditorKey::kDown ? -1 : 0;
        const int months = key.key == EditorKey::kRight ? 1 : key.key == EditorKey::kLeft ? -1 : 0;
        if (days || months) {
            cellEditors_->StepDate(days, months);
            return;
        }
    }
    HandleKey(key, &event);
}

void CPasswordEditorDlg::OnGridChar(wxKeyEvent& event) {
    const wxChar typed = event.GetUnicodeKey();
    if (typed == WXK_NONE || typed < ' ' || typed == WXK_DELETE || event.ControlDown() ||
        event.AltDown()) {
        event.Skip();
        return;
    }
    KeyPress key;
    key.key = EditorKey::kCharacter;
    key.text = FromWx(wxString(typed));
    key.shift = event.ShiftDown();
    key.capsLock = wxGetKeyState(WXK_CAPITAL);
    HandleKey(key, &event);
}

void CPasswordEditorDlg::HandleKey(const KeyPress& key, wxKeyEvent* event) {
    const EditorFocus focus =
        labelEditing_ ? EditorFocus::kLabelEditor : FocusOf(wxWindow::FindFocus());
    CarryOut(HandleEditorKey(key, CurrentKeyContext(focus)), event);
}

EditorFocus CPasswordEditorDlg::FocusOf(const wxWindow* window) const {
    if (!window) return EditorFocus::kOther;
    switch (cellEditors_->KindOf(window)) {
        case CCellEditors::Kind::kText:
            return EditorFocus::kTextCellEditor;
        case CCellEditors::Kind::kDate:
            return EditorFocus::kDateCellEditor;
        case CCellEditors::Kind::kNone:
            break;
    }
    if (window == boxes_->Url()) return EditorFocus::kUrlBox;
    if (window == boxes_->Email()) return EditorFocus::kEmailBox;
    if (window == boxes_->Notes()) return EditorFocus::kNotesBox;
    for (const wxWindow* w = window; w; w = w->GetParent()) {
        if (w == tree_) return EditorFocus::kTree;
        if (w == grid_) return EditorFocus::kGrid;
    }
    return EditorFocus::kOther;
}

KeyContext CPasswordEditorDlg::CurrentKeyContext(EditorFocus focus) const {
    KeyContext c;
    c.focus = focus;
    c.row = state_.currentRow;
    c.column = state_.currentColumn;
    c.rowCount = table_->GetNumberRows();
    c.columnCount = table_->GetNumberCols();
    c.lastGridRow = state_.lastGridRow;
    c.multiSelection = state_.HasMultiSelection();
    const CRecord* current = table_->RecordAt(state_.currentRow);
    c.currentRecordEmpty = current && current->IsEmpty();
    const CRecord* last = table_->RecordAt(c.rowCount - 1);
    c.lastRecordEmpty = !last || last->IsEmpty();
    c.canUndo = context_.store.undo.CanUndo();
    c.cellEditorHasText =
        cellEditors_->Open() == CCellEditors::Kind::kText && !cellEditors_->Text().empty();
    return c;
}

void CPasswordEditorDlg::CarryOut(const KeyOutcome& outcome, wxKeyEvent* event) {
    switch (outcome.effect) {
        case KeyEffect::kPass:
            if (event) event->Skip();
            break;
        case KeyEffect::kIgnore:
            break;
        case KeyEffect::kMove:
            CarryOutMove(outcome.move);
            break;
        case KeyEffect::kEditCell:
            OpenCellEditor(state_.currentRow, state_.currentColumn, outcome.text);
            break;
        case KeyEffect::kCancelEdit:
            CancelCellEdit();
            break;
        case KeyEffect::kAddRecord:
            RunCommand(cmd::kAddItem);
            break;
        case KeyEffect::kDeleteRecords:
            RunCommand(cmd::kDeleteItem);
            break;
        case KeyEffect::kCutCell:
            RunCommand(cmd::kCut);
            break;
        case KeyEffect::kDeleteFolder:
            RunCommand(cmd::kDeleteFolder);
            break;
        case KeyEffect::kRenameFolder:
            RunCommand(cmd::kRenameFolder);
            break;
        case KeyEffect::kUndo:
            RunCommand(cmd::kUndoItems);
            break;
        case KeyEffect::kSearchItems:
            RunCommand(cmd::kSearchItems);
            break;
        case KeyEffect::kSearchFolders:
            RunCommand(cmd::kSearchFolders);
            break;
        case KeyEffect::kDateKeyHint:
            if (statusBar_) statusBar_->SetStatusText(msg::kDateKeysHint, kStatusPaneFolder);
            break;
        case KeyEffect::kNotesLineBreak: {
            // Enter never replaces selected text: the selection goes, then the line break.
            long from = 0, to = 0;
            boxes_->Notes()->GetSelection(&from, &to);
            if (from != to) boxes_->Notes()->SetSelection(to, to);
            if (event) event->Skip();
            break;
        }
    }
}

void CPasswordEditorDlg::CarryOutMove(const CellMove& move) {
    StoreFieldBoxes();
    if (move.commit) CommitCellEdit();
    if (move.rememberLastGridRow) state_.lastGridRow = state_.currentRow;
    wxTextCtrl* box = nullptr;
    switch (move.target) {
        case MoveTarget::kNone:
            return;
        case MoveTarget::kCell:
            state_.selection.clear();
            if (MoveToCell(move.row, move.column)) grid_->SetFocus();
            return;
        case MoveTarget::kUrlBox:
            box = boxes_->Url();
            break;
        case MoveTarget::kEmailBox:
            box = boxes_->Email();
            break;
        case MoveTarget::kNotesBox:
            box = boxes_->Notes();
            break;
        case MoveTarget::kTree:
            state_.currentColumn = move.column;
            if (move.row < 0) {
                state_.currentRow = -1;
                ShowCurrentRecord();
                ApplyEnabling();
            }
            grid_->ForceRefresh();
            tree_->SetFocus();
            return;
    }
    box->SetFocus();
    box->SelectAll();
}

}  // namespace vk
