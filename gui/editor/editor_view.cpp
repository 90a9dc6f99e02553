// Showing the file: the tree, the selected folder's records, the field boxes, the status line
// and the enabling of the buttons.
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "core/editor/editor_rules.h"
#include "core/editor/record_sort.h"
#include "core/shell/text_rules.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/editor/record_grid_table.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/wx_text.h"

namespace vk {

void CPasswordEditorDlg::FillTree(const CFolderTree::Node* select) {
    // The folders may have been replaced: what the boxes hold belongs to none of them.
    LetGoOfCurrentRecord();
    rebuildingTree_ = true;
    tree_->Fill(context_.tree);
    const wxTreeItemId item = select ? tree_->ItemOfNode(select) : tree_->FirstTopLevel();
    if (item.IsOk()) {
        tree_->SelectItem(item);
        tree_->EnsureVisible(item);
    }
    rebuildingTree_ = false;
    ShowFolderAt(0, 0);
    FillAutoComplete(completions_, context_.store, context_.tree, context_.settings);
}

void CPasswordEditorDlg::OnTreeSelectionChanged(wxTreeEvent& event) {
    event.Skip();
    if (rebuildingTree_) return;
    ShowSelectedFolder();
}

const CFolderTree::Node* CPasswordEditorDlg::SelectedNode() const {
    return tree_->NodeOf(tree_->GetSelection());
}

int CPasswordEditorDlg::SelectedCategory() const {
    return EffectiveCategory(SelectedNode(), context_.store);
}

std::string CPasswordEditorDlg::CategoryNameOf(int category) const {
    const auto& names = context_.settings.categoryNames;
    return CategoryName(category, std::vector<std::string>(names.begin(), names.end()));
}

void CPasswordEditorDlg::ShowSelectedFolder() {
    ShowFolderAt(0, 0);
}

void CPasswordEditorDlg::ShowSelectedFolderKeepingCell() {
    ShowFolderAt(state_.currentRow, state_.currentColumn);
}

void CPasswordEditorDlg::ShowFolderAt(int row, int column) {
    CommitCellEdit();
    StoreFieldBoxes();
    wxGridUpdateLocker noRedraw(grid_);
    state_.selection.clear();
    state_.lastGridRow = -1;
    state_.currentRow = state_.currentColumn = -1;
    const CFolderTree::Node* node = SelectedNode();
    CPasswordStore& store = context_.store;
    const int folder = node ? node->folderIndex : -1;
    if (!store.IsValidFolderIndex(folder) ||
        !store.folders[static_cast<std::size_t>(folder)].inUse) {
        table_->Show(-1, columns_);
        grid_->UnsetSortingColumn();
        ShowCurrentRecord();
        ApplyEnabling();
        UpdateStatus();
        return;
    }
    const int category = EffectiveCategory(node, store);
    const bool newColumns = category != shownCategory_;
    if (newColumns) {
        columns_ = GridColumnsFor(context_.settings, category);
        shownCategory_ = category;
    }
    const int sortColumn = state_.SortColumn();
    const bool sortable = static_cast<std::size_t>(sortColumn) < columns_.size();
    if (sortable &&
        SortRecords(store.folders[static_cast<std::size_t>(folder)].records,
                    columns_[static_cast<std::size_t>(sortColumn)].field, state_.recordsDescending))
        context_.quickAccessChanged();
    table_->Show(folder, columns_);
    if (newColumns) grid_->SpreadColumns();
    if (sortable)
        grid_->SetSortingColumn(sortColumn, !state_.recordsDescending);
    else
        grid_->UnsetSortingColumn();

    const int rows = table_->GetNumberRows();
    const int columns = table_->GetNumberCols();
    if (rows > 0) {
        state_.currentRow = std::clamp(row, 0, rows - 1);
        if (columns > 0) {
            state_.currentColumn = std::clamp(column, 0, columns - 1);
            grid_->SetGridCursor(state_.currentRow, state_.currentColumn);
            grid_->MakeCellVisible(state_.currentRow, state_.currentColumn);
        }
    }
    ShowCurrentRecord();
    ApplyEnabling();
    UpdateStatus();
}

bool CPasswordEditorDlg::MoveToCell(int row, int column) {
    CommitCellEdit();
    if (row < 0 || row >= table_->GetNumberRows() || column < 0 ||
        column >= table_->GetNumberCols())
        return false;
    StoreFieldBoxes();
    state_.currentRow = row;
    state_.currentColumn = column;
    grid_->SetGridCursor(row, column);
    grid_->MakeCellVisible(row, column);
    grid_->ForceRefresh();
    ShowCurrentRecord();
    ApplyEnabling();
    return true;
}

void CPasswordEditorDlg::ShowCurrentRecord() {
    boxes_->ShowRecord(table_->RecordAt(state_.currentRow));
}

void CPasswordEditorDlg::StoreFieldBoxes() {
    const std::string url = CFieldBoxes::TextOf(boxes_->Url());
    const std::string email = CFieldBoxes::TextOf(boxes_->Email());
    // Written only when changed: an unchanged folder keeps sharing its records with undo.
    if (!vk::StoreFieldBoxes(context_.store, table_->Folder(), state_.currentRow, url, email,
                             CFieldBoxes::TextOf(boxes_->Notes())))
        return;
    if (context_.settings.autoComplete) {
        completions_.Add(url);
        completions_.Add(email);
    }
    MarkModified();
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::OnFieldBoxChanged(int box) {
    // The notes are kept at once; the URL and e-mail when the record is left.
    if (box == control::kNotesBox) StoreFieldBoxes();
    ApplyEnabling();
}

void CPasswordEditorDlg::MarkModified() {
    if (context_.store.modified) return;
    context_.store.modified = true;
    StoreStateChanged();
}

void CPasswordEditorDlg::UpdateStatus() {
    if (!statusBar_) return;
    const CFolderTree::Node* node = SelectedNode();
    const CPasswordStore& store = context_.store;
    if (!node || !store.IsValidFolderIndex(node->folderIndex)) {
        statusBar_->SetStatusText("", kStatusPaneFolder);
        statusBar_->SetStatusText("", kStatusPaneColumns);
        return;
    }
    const auto records = store.folders[static_cast<std::size_t>(node->folderIndex)].records.size();
    statusBar_->SetStatusText(
        ToWx(FolderStatusText(FromWx(tree_->GetItemText(tree_->GetSelection())), records)),
        kStatusPaneFolder);
    statusBar_->SetStatusText(ToWx(ColumnsStatusText(CategoryNameOf(SelectedCategory()))),
                              kStatusPaneColumns);
}

EditorFacts CPasswordEditorDlg::CurrentFacts() const {
    const std::string& path = context_.store.filePath;
    EditorFacts facts;
    // A file whose load was cancelled or failed takes no new folders: the command would be refused.
    facts.filePresent = !path.empty() && context_.store.loadComplete && context_.fs.Exists(path);
    facts.foldersExist = !context_.tree.Empty();
    facts.folderSelected = SelectedNode() != nullptr;
    facts.recordsExist = table_->GetNumberRows() > 0;
    facts.urlText = !boxes_->Url()->IsEmpty();
    facts.emailText = !boxes_->Email()->IsEmpty();
    facts.currentRecord = table_->RecordAt(state_.currentRow) != nullptr;
    return facts;
}

void CPasswordEditorDlg::ApplyEnabling() {
    const EditorFacts facts = CurrentFacts();
    for (const auto& [command, button] : buttons_) {
        // A button whose command is not there yet stays disabled.
        button->Enable(commands_ && commands_->IsEnabled(command) &&
                       IsEnabledInEditor(command, facts));
    }
}

CellStyle CPasswordEditorDlg::CellStyleAt(int row, int column) {
    const CRecord* record = table_->RecordAt(row);
    const bool expired =
        record && IsExpiredCell(*record, table_->FieldOf(column), calendar_->LocalNow());
    return StyleOfCell(state_, row, column, grid_->GetGridWindow()->HasFocus(), expired);
}

void CPasswordEditorDlg::SettingsChanged() {
    grid_->autoSize = context_.settings.autosizeCol;
    shownCategory_ = -1;
    ShowSelectedFolderKeepingCell();
    FillAutoComplete(completions_, context_.store, context_.tree, context_.settings);
}

}  // namespace vk
