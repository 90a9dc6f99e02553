// The editor's commands and menus, undo, sorting, and what happens when folders and records
// are dropped.
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "core/app/command_ids.h"
#include "core/editor/editor_messages.h"
#include "core/editor/record_drop.h"
#include "core/editor/undo.h"
#include "core/shell/text_format.h"
#include "core/shell/text_rules.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/editor/record_grid_table.h"
#include "gui/ui/wx_text.h"

#include <wx/headerctrl.h>

namespace vk {
namespace {

bool IsTopLevelFolder(const CFolderTree::Node* node) {
    return node && node->parent && !node->parent->parent;
}

// Menu items for the editor's context menus, in menu order; 0 stands for a separator.
struct MenuEntry {
    int command;
    const char* text;
};

}  // namespace

void CPasswordEditorDlg::AddCommands(CCommandTable& commands) {
    commands_ = &commands;
    const auto hasFolders = [this] { return !context_.tree.Empty(); };
    commands.Add(
        cmd::kCollapseAll, [this] { tree_->CollapseAllFolders(); }, hasFolders);
    commands.Add(
        cmd::kExpandAll, [this] { tree_->ExpandAllFolders(); }, hasFolders);
    for (const int undo : {cmd::kUndoItems, cmd::kUndoFolders}) {
        commands.Add(
            undo, [this] { UndoLastStep(); }, [this] { return context_.store.undo.CanUndo(); });
        commands.SetLabel(undo, [this] { return UndoMenuText(context_.store.undo); });
    }
    for (int command = cmd::kSetColumnsFirst; command <= cmd::kSetColumnsLast; ++command) {
        const int category = command - cmd::kSetColumnsFirst + 1;
        commands.Add(
            command, [this, category] { SetCategory(category); },
            [this] {
                const CFolderTree::Node* node = SelectedNode();
                return IsTopLevelFolder(node) &&
                       context_.store.IsValidFolderIndex(node->folderIndex);
            });
        commands.SetLabel(command,
                          [this, category] { return MenuTextOfName(CategoryNameOf(category)); });
        commands.SetCheck(
            command, [this, category] { return SelectedNode() && SelectedCategory() == category; });
    }
    AddEditingCommands(commands);
    ApplyEnabling();
}

void CPasswordEditorDlg::RunCommand(int command) {
    if (!commands_ || !commands_->Has(command)) return;
    CommitEdits();
    commands_->Execute(command);
    StoreStateChanged();
}

void CPasswordEditorDlg::AppendCommand(wxMenu& menu, int command, const char* text) {
    if (!commands_) return;
    if (command == 0) {
        const size_t count = menu.GetMenuItemCount();
        if (count > 0 && !menu.FindItemByPosition(count - 1)->IsSeparator()) menu.AppendSeparator();
        return;
    }
    if (!commands_->Has(command)) return;
    const auto label = commands_->LabelOf(command);
    wxMenuItem* item = menu.Append(cmd::WxId(command), ToWx(label ? *label : std::string(text)));
    item->Enable(commands_->IsEnabled(command));
}

void CPasswordEditorDlg::ShowFolderMenu(wxTreeEvent& event) {
    if (!tree_->NodeOf(event.GetItem()) || !commands_) return;
    tree_->SelectItem(event.GetItem());
    wxMenu menu;
    static const MenuEntry kFolderEntries[] = {
        {cmd::kAddFolder, "&Add"},        {cmd::kAddSubfolder, "Add &subfolder"},
        {cmd::kRenameFolder, "&Rename"},  {cmd::kDeleteFolder, "&Delete"},
        {cmd::kSearchFolders, "&Search"}, {0, nullptr},
    };
    for (const MenuEntry& e : kFolderEntries) AppendCommand(menu, e.command, e.text);
    auto* columns = new wxMenu;
    for (int c = cmd::kSetColumnsFirst; c <= cmd::kSetColumnsLast; ++c) {
        const auto label = commands_->LabelOf(c);
        columns->AppendCheckItem(cmd::WxId(c), ToWx(label ? *label : std::string(" ")));
        columns->Check(cmd::WxId(c), commands_->IsChecked(c).value_or(false));
    }
    wxMenuItem* sub = menu.AppendSubMenu(columns, msg::kSetColumnsMenu);
    sub->Enable(commands_->IsEnabled(cmd::kSetColumnsFirst));
    static const MenuEntry kMoreEntries[] = {
        {cmd::kCollapseAll, "&Collapse all"},
        {cmd::kExpandAll, "&Expand all"},
        {0, nullptr},
        {cmd::kUndoItems, "&Undo"},
    };
    for (const MenuEntry& e : kMoreEntries) AppendCommand(menu, e.command, e.text);
    tree_->PopupMenu(&menu);
}

void CPasswordEditorDlg::CellRightClicked(int row, int column) {
    state_.selection.clear();
    MoveToCell(row, column);
    if (!commands_) return;
    wxMenu menu;
    static const MenuEntry kRecordEntries[] = {
        {cmd::kCut, "&Cut"},     {cmd::kCopy, "&Copy"}, {cmd::kPaste, "&Paste"},
        {cmd::kClear, "&Clear"}, {0, nullptr},          {cmd::kUndoItems, "&Undo"},
    };
    for (const MenuEntry& e : kRecordEntries) AppendCommand(menu, e.command, e.text);
    grid_->PopupMenu(&menu);
}

void CPasswordEditorDlg::SetCategory(int category) {
    const CFolderTree::Node* node = SelectedNode();
    if (node && context_.store.IsValidFolderIndex(node->folderIndex)) {
        context_.store.folders[static_cast<std::size_t>(node->folderIndex)].category = category;
        // The category is kept in the file: a change of it is a change of the file.
        MarkModified();
        PostListCtrlMsg(kDataChanged);
    }
    shownCategory_ = -1;
    ShowSelectedFolderKeepingCell();
}

void CPasswordEditorDlg::UndoLastStep() {
    if (!context_.store.undo.CanUndo()) return;
    StoreFieldBoxes();
    const int row = state_.currentRow, column = state_.currentColumn;
    LetGoOfCurrentRecord();
    const auto undone = Undo(context_.store, context_.tree);
    if (!undone) return;
    if (undone->treeRebuilt) {
        FillTree();
    } else {
        shownCategory_ = -1;
        ShowFolderAt(row, column);
    }
    StoreStateChanged();
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::UndoKey() {
    if (context_.store.undo.CanUndo()) RunCommand(cmd::kUndoItems);
}

void CPasswordEditorDlg::SortRecordsBy(int column) {
    state_.recordSortColumn = column;
    state_.recordsDescending = !state_.recordsDescending;
    ShowSelectedFolder();
}

void CPasswordEditorDlg::SortFolders() {
    state_.foldersDescending = !state_.foldersDescending;
    StoreFieldBoxes();
    const CFolderTree::Node* selected = SelectedNode();
    context_.tree.Sort(state_.foldersDescending);
    FillTree(selected);
    header_->ShowSortIndicator(0, !state_.foldersDescending);
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::FolderDropped(CFolderTree::Node* dragged, CFolderTree::Node* target) {
    if (!dragged) return;
    using Check = CFolderTree::MoveCheck;
    const Check check = context_.tree.CheckMove(dragged, target);
    if (check != Check::kMove) {
        if (check == Check::kOntoChild)
            context_.prompt.ShowMessage(msg::kFolderOntoChild, MessageButtons::kOk,
                                        MessageIcon::kDefault);
        else if (check == Check::kNameTaken)
            context_.prompt.ShowMessage(msg::kFolderNameTaken, MessageButtons::kOk,
                                        MessageIcon::kDefault);
        else if (check == Check::kPathTooLong)
            context_.prompt.ShowMessage(
                FormatText(msg::kFolderPathTooLongFormat, msg::kFolderPathLimitShown),
                MessageButtons::kOk, MessageIcon::kStop);
        tree_->SelectItem(tree_->ItemOfNode(dragged));
        return;
    }
    StoreFieldBoxes();
    TakeFolderSnapshot(context_.store, context_.tree, msg::kUndoMoveFolder + dragged->name);
    context_.tree.Move(dragged, target, context_.store);
    if (target) target->expanded = true;
    FillTree(dragged);
    context_.quickAccessChanged();
    context_.store.modified = true;
    StoreStateChanged();
}

void CPasswordEditorDlg::RecordsDropped(int targetFolder, bool copy) {
    CPasswordStore& store = context_.store;
    const int source = table_->Folder();
    if (!IsRecordDropTarget(store, source, targetFolder)) {
        wxBell();
        return;
    }
    if (!categoryWarningOff_ && CategoriesDiffer(context_.tree, store, source, targetFolder)) {
        bool suppress = false;
        const std::string from = CategoryNameOf(SelectedCategory());
        const std::string to =
            CategoryNameOf(EffectiveCategory(context_.tree.FindByFolderIndex(targetFolder), store));
        if (!askCategoryWarning(from, to, suppress)) return;
        categoryWarningOff_ = suppress;
    }
    const std::vector<int> rows =
        RowsToDrop(state_.selection, static_cast<std::size_t>(table_->GetNumberRows()));
    StoreFieldBoxes();
    const int row = state_.currentRow, column = state_.currentColumn;
    LetGoOfCurrentRecord();
    if (DropRecords(store, source, targetFolder, rows, copy)) {
        StoreStateChanged();
        PostListCtrlMsg(kDataChanged);
    }
    ShowFolderAt(row, column);
}

void CPasswordEditorDlg::JumpToRecord(int folder, int record, int slot) {
    const wxTreeItemId item = tree_->FindByFolderIndex(folder);
    if (!item.IsOk()) return;
    tree_->EnsureVisible(item);
    if (tree_->GetSelection() != item) tree_->SelectItem(item);
    const int column = GridColumnOfSlot(context_.settings, SelectedCategory(), slot);
    grid_->SetFocus();
    MoveToCell(record, column < 0 ? 0 : column);
}

void CPasswordEditorDlg::CellClicked(int row, int column, ClickKind kind) {
    state_.selection = SelectionAfterClick(state_.selection, state_.currentRow, row, kind);
    if (kind == ClickKind::kPlain) state_.searchPosition = -1;
    MoveToCell(row, column);
    grid_->ForceRefresh();
}

void CPasswordEditorDlg::CellDoubleClicked(int row, int column) {
    if (state_.HasMultiSelection()) return;
    if (row >= 0 && MoveToCell(row, column))
        RunCommand(cmd::kEditItem);
    else if (row < 0)
        RunCommand(cmd::kAddItem);
}

void CPasswordEditorDlg::MoveByKey(GridKey key, bool ctrl) {
    const CRecord* last = table_->RecordAt(table_->GetNumberRows() - 1);
    const GridMove move =
        MoveForKey(key, ctrl, state_.currentRow, state_.currentColumn, table_->GetNumberRows(),
                   table_->GetNumberCols(), !last || last->IsEmpty());
    if (move.action == GridMove::kAddRecord) {
        RunCommand(cmd::kAddItem);
    } else if (move.action == GridMove::kMove) {
        state_.selection.clear();
        MoveToCell(move.row, move.column);
    }
}

void CPasswordEditorDlg::ColumnHeaderClicked(int column) {
    SortRecordsBy(column);
}

void CPasswordEditorDlg::GridScrolled() {
    CommitCellEdit();
}

void CPasswordEditorDlg::PostListCtrlMsg(ListCtrlMsg what) {
    auto* event = new wxCommandEvent(EVT_LIST_CTRL_MSG, GetId());
    event->SetInt(what);
    wxQueueEvent(this, event);
}

void CPasswordEditorDlg::OnListCtrlMsg(wxCommandEvent& event) {
    switch (event.GetInt()) {
        case kCommitEdit:
            GridScrolled();
            break;
        case kFocusGrid:
            if (state_.pending == PendingMode::kNone) grid_->SetFocus();
            break;
        case kDataChanged:
            context_.quickAccessChanged();
            break;
        default:
            break;
    }
}

}  // namespace vk
