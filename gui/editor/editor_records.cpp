// Records and cells: the editor's commands over them, the cell editors, the clipboard,
// launching the URL and e-mail address.
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "core/app/command_ids.h"
#include "core/editor/edit_messages.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/editor/cell_editors.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/editor/record_grid_table.h"
#include "gui/tools/generator_commands.h"
#include "gui/ui/wx_text.h"

namespace vk {

void CPasswordEditorDlg::AddEditingCommands(CCommandTable& commands) {
    const auto when = [this](int id) {
        return [this, id] { return IsEnabledInEditor(id, CurrentFacts()); };
    };
    const auto add = [&](int id, std::function<void()> run) { commands.Add(id, run, when(id)); };
    add(cmd::kAddFolder, [this] { AddFolder(false); });
    add(cmd::kAddSubfolder, [this] { AddFolder(true); });
    add(cmd::kRenameFolder, [this] { StartRenamingFolder(); });
    add(cmd::kDeleteFolder, [this] { DeleteSelectedFolder(); });
    add(cmd::kSearchFolders, [this] { RunSearch(SearchMode::kFolders); });
    add(cmd::kAddItem, [this] { AddRecord(); });
    add(cmd::kEditItem, [this] { OpenCellEditor(state_.currentRow, state_.currentColumn); });
    add(cmd::kDeleteItem, [this] { DeleteRecords(); });
    add(cmd::kSearchItems, [this] { RunSearch(SearchMode::kItems); });
    add(cmd::kLaunchUrl, [this] { LaunchFieldBox(cmd::kLaunchUrl); });
    add(cmd::kSendEmail, [this] { LaunchFieldBox(cmd::kSendEmail); });
    for (const int command : {cmd::kCut, cmd::kCopy, cmd::kPaste, cmd::kClear}) {
        commands.Add(
            command, [this, command] { ClipboardCommand(command); },
            [this] {
                return table_->RecordAt(state_.currentRow) &&
                       table_->FieldOf(state_.currentColumn) >= 0;
            });
    }
}

RecordEditEnv CPasswordEditorDlg::EditEnv() {
    return RecordEditEnv{context_.store, context_.settings, dates_, Snapshots()};
}

void CPasswordEditorDlg::RecordsChanged() {
    table_->Sync();
    UpdateStatus();
    StoreStateChanged();
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::AddRecord() {
    const CFolderTree::Node* node = SelectedNode();
    if (!node || !context_.store.IsValidFolderIndex(node->folderIndex)) {
        ApplyEnabling();
        UpdateStatus();
        PostListCtrlMsg(kDataChanged);
        return;
    }
    CommitEdits();
    state_.pending = PendingMode::kAdding;
    // A blank record changes nothing by itself: the first value typed into it does.
    const int row = vk::AddRecord(context_.store, node->folderIndex);
    table_->Sync();
    state_.selection.clear();
    if (MoveToCell(row, 0)) OpenCellEditor(row, 0);
    state_.pending = PendingMode::kNone;
    ApplyEnabling();
    UpdateStatus();
    PostListCtrlMsg(kDataChanged);
}

bool CPasswordEditorDlg::OpenCellEditor(int row, int column, const std::string& typed) {
    CommitCellEdit();
    if (!MoveToCell(row, column)) return false;
    const CRecord* record = table_->RecordAt(row);
    const int field = table_->FieldOf(column);
    if (!record || field < 0) return false;
    grid_->MakeCellVisible(row, column);
    wxRect cell = grid_->CellToRect(row, column);
    cell.SetPosition(grid_->CalcScrolledPosition(cell.GetPosition()));
    const int right = grid_->GetGridWindow()->GetClientSize().x;
    if (cell.GetRight() >= right) cell.SetRight(right - 1);
    if (!typed.empty()) MarkModified();
    if (field == kDateAssigned || field == kDateExpires)
        cellEditors_->OpenDate(cell,
                               field == kDateAssigned ? record->dateAssigned : record->dateExpires);
    else
        cellEditors_->OpenText(cell, typed.empty() ? (*record)[field] : typed, field,
                               !typed.empty());
    return true;
}

void CPasswordEditorDlg::CommitCellEdit() {
    const CCellEditors::Kind kind = cellEditors_ ? cellEditors_->Open() : CCellEditors::Kind::kNone;
    if (committing_ || kind == CCellEditors::Kind::kNone) return;
    committing_ = true;
    const bool focused = cellEditors_->KindOf(wxWindow::FindFocus()) != CCellEditors::Kind::kNone;
    const CellRef cell{table_->Folder(), state_.currentRow, table_->FieldOf(state_.currentColumn),
                       SelectedCategory()};
    const std::string text = cellEditors_->Text();
    const SystemTime date = cellEditors_->Date();
    cellEditors_->Hide();
    RecordEditEnv env = EditEnv();
    const bool changed = kind == CCellEditors::Kind::kDate ? CommitCellDate(env, cell, date)
                                                           : CommitCellText(env, cell, text);
    if (changed && kind == CCellEditors::Kind::kText && context_.settings.autoComplete &&
        !(cell.field == kPassword && context_.settings.mask))
        completions_.Add(text);
    if (changed) RecordsChanged();
    if (focused) grid_->SetFocus();
    committing_ = false;
}

void CPasswordEditorDlg::CancelCellEdit() {
    if (cellEditors_->Open() == CCellEditors::Kind::kNone) return;
    const bool focused = cellEditors_->KindOf(wxWindow::FindFocus()) != CCellEditors::Kind::kNone;
    cellEditors_->Hide();
    if (focused) grid_->SetFocus();
}

void CPasswordEditorDlg::GenerateIntoCell() {
    if (cellEditors_->Open() != CCellEditors::Kind::kText) return;
    const auto password =
        RunPasswordGenerator(wxGetTopLevelParent(this), context_, GeneratorUse::kCellEditor);
    if (!password) {
        cellEditors_->TextBox()->SetFocus();
        return;
    }
    cellEditors_->SetText(*password);
    // Entering the cell again commits it: the password is in the record at once.
    MoveToCell(state_.currentRow, state_.currentColumn);
    grid_->SetFocus();
}

void CPasswordEditorDlg::DeleteRecords() {
    const int folder = table_->Folder();
    if (!table_->RecordAt(state_.currentRow)) return;
    CommitEdits();
    const bool multi = state_.HasMultiSelection();
    std::vector<int> rows(state_.selection.begin(), state_.selection.end());
    if (!multi) rows = {state_.currentRow};
    if (DeleteNeedsQuestion(context_.store, folder, state_.currentRow, multi)) {
        state_.deleteHighlight = DeleteHighlight::kRecords;
        grid_->ForceRefresh();
        grid_->Update();
        const std::string name =
            multi ? msg::kSelectedItemsName
                  : (grid_->GetNumberCols() > 0 ? FromWx(grid_->GetCellValue(state_.currentRow, 0))
                                                : std::string());
        const MessageResult answer = context_.prompt.ShowMessage(
            DeleteRecordsQuestion(name), MessageButtons::kYesNo, MessageIcon::kQuestion);
        state_.deleteHighlight = DeleteHighlight::kNone;
        grid_->ForceRefresh();
        if (answer != MessageResult::kYes) {
            ApplyEnabling();
            return;
        }
    }
    const int current = state_.currentRow;
    LetGoOfCurrentRecord();
    RecordEditEnv env = EditEnv();
    const int next = vk::DeleteRecords(env, folder, rows, multi, current);
    state_.selection.clear();
    table_->Sync();
    if (!MoveToCell(next, 0)) {
        state_.currentColumn = -1;
        ShowCurrentRecord();
    }
    RecordsChanged();
    ApplyEnabling();
}

void CPasswordEditorDlg::ClipboardCommand(int command) {
    const CellRef cell{table_->Folder(), state_.currentRow, table_->FieldOf(state_.currentColumn),
                       SelectedCategory()};
    if (!table_->RecordAt(cell.row) || cell.field < 0) return;
    // Every clipboard command counts as an edit of the file, a copy too.
    MarkModified();
    RecordEditEnv env = EditEnv();
    bool changed = false;
    switch (command) {
        case cmd::kCopy:
            context_.clipboard.CopyText(CellValue(context_.store, cell), context_.prompt);
            break;
        case cmd::kCut:
            // Only what is safely on the clipboard leaves the record.
            if (context_.clipboard.CopyText(CellValue(context_.store, cell), context_.prompt))
                changed = CutCell(env, cell);
            break;
        case cmd::kPaste: {
            std::string text;
            if (context_.clipboard.Clipboard().GetText(&text) && !text.empty())
                changed = PasteIntoCell(env, cell, text);
            break;
        }
        case cmd::kClear:
            changed = ClearCell(env, cell);
            break;
        default:
            break;
    }
    if (changed) RecordsChanged();
}

void CPasswordEditorDlg::LaunchFieldBox(int command) {
    StoreFieldBoxes();
    if (command == cmd::kLaunchUrl)
        launch(CFieldBoxes::TextOf(boxes_->Url()));
    else
        launch(MailtoAddress(CFieldBoxes::TextOf(boxes_->Email())));
}

}  // namespace vk
