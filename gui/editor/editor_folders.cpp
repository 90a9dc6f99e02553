// Folder operations in the tree: adding and naming in place, renaming, deleting.
#include <wx/treectrl.h>

#include "core/editor/edit_messages.h"
#include "core/editor/undo.h"
#include "gui/app/app_context.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/ui/wx_text.h"

namespace vk {

TakeSnapshot CPasswordEditorDlg::Snapshots() {
    return [this](const std::string& label, bool folderStep) {
        if (folderStep)
            TakeFolderSnapshot(context_.store, context_.tree, label);
        else
            TakeRecordSnapshot(context_.store, label);
    };
}

void CPasswordEditorDlg::AddFolder(bool subfolder) {
    if (state_.pending != PendingMode::kNone) return;  // a name is still being given
    CommitEdits();
    const wxTreeItemId selected = tree_->GetSelection();
    selectedBeforeAdd_ = tree_->NodeOf(selected);
    const wxTreeItemId parent =
        subfolder && tree_->NodeOf(selected) ? selected : tree_->GetRootItem();
    // The item waits for its name without a folder; the folder is made once a name is taken.
    const wxTreeItemId item = tree_->AppendItem(parent, msg::kNewFolderName, 0);
    tree_->SetItemImage(item, 1, wxTreeItemIcon_Selected);
    state_.pending = PendingMode::kAdding;
    if (parent != tree_->GetRootItem()) tree_->Expand(parent);
    tree_->SelectItem(item);
    tree_->EnsureVisible(item);
    EditFolderName(item);
}

void CPasswordEditorDlg::EditFolderName(const wxTreeItemId& item) {
    tree_->SetFocus();
    tree_->EditLabel(item);
}

void CPasswordEditorDlg::StartRenamingFolder() {
    const wxTreeItemId item = tree_->GetSelection();
    if (!tree_->NodeOf(item) || state_.pending != PendingMode::kNone) return;
    CommitEdits();
    state_.pending = PendingMode::kRenaming;
    EditFolderName(item);
}

void CPasswordEditorDlg::OnBeginLabelEdit(wxTreeEvent& event) {
    // Only the editor starts naming (F2 and the commands), never a slow second click.
    if (state_.pending == PendingMode::kNone) {
        event.Veto();
        return;
    }
    labelEditing_ = true;
    labelEscaped_ = false;
}

void CPasswordEditorDlg::OnEndLabelEdit(wxTreeEvent& event) {
    labelEditing_ = false;
    // The tree shows the model again once the name is dealt with; the control must not
    // change the item itself, and its items may not go away inside its own notification.
    event.Veto();
    const bool cancelled = event.IsEditCancelled() && labelEscaped_;
    const std::string name =
        FromWx(event.IsEditCancelled() ? tree_->GetItemText(event.GetItem()) : event.GetLabel());
    CallAfter([this, cancelled, name] { FinishLabelEdit(cancelled, name); });
}

void CPasswordEditorDlg::FinishLabelEdit(bool cancelled, const std::string& name) {
    const PendingMode pending = state_.pending;
    state_.pending = PendingMode::kNone;
    const wxTreeItemId item = tree_->GetSelection();
    if (pending == PendingMode::kAdding) {
        const wxTreeItemId parentItem = item.IsOk() ? tree_->GetItemParent(item) : wxTreeItemId();
        CFolderTree::Node* parent = tree_->NodeOf(parentItem);
        const FolderNameCheck check = cancelled
                                          ? FolderNameCheck::kEmpty
                                          : CheckFolderName(context_.tree, parent, nullptr, name);
        if (check != FolderNameCheck::kAccepted) {
            ShowFolderNameRefusal(context_.prompt, check, false);
            FillTree(selectedBeforeAdd_);  // the waiting item goes
            return;
        }
        if (parent) parent->expanded = true;
        CFolderTree::Node* node = CreateFolder(
            context_.store, context_.tree, parent, name,
            NewFolderCategory(parent, context_.store, context_.settings.defaultCategory));
        FillTree(node);
        StoreStateChanged();
        PostListCtrlMsg(kDataChanged);
        // The new folder starts with a blank record, its first cell open for typing.
        AddRecord();
        return;
    }
    CFolderTree::Node* node = tree_->NodeOf(item);
    if (cancelled || !node) return;
    const FolderNameCheck check = CheckFolderName(context_.tree, nullptr, node, name);
    if (check != FolderNameCheck::kAccepted) {
        ShowFolderNameRefusal(context_.prompt, check, false);
        return;
    }
    RenameFolder(context_.store, node, name, Snapshots());
    FillTree(node);
    StoreStateChanged();
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::DeleteSelectedFolder() {
    CFolderTree::Node* node = tree_->NodeOf(tree_->GetSelection());
    if (!node) return;
    CommitEdits();
    state_.deleteHighlight = DeleteHighlight::kFolder;
    grid_->ForceRefresh();
    grid_->Update();
    const MessageResult answer = context_.prompt.ShowMessage(
        DeleteFolderQuestion(node->name), MessageButtons::kYesNo, MessageIcon::kQuestion);
    state_.deleteHighlight = DeleteHighlight::kNone;
    grid_->ForceRefresh();
    if (answer == MessageResult::kYes) {
        LetGoOfCurrentRecord();
        DeleteFolder(context_.store, context_.tree, node, Snapshots());
        FillTree();
        StoreStateChanged();
        PostListCtrlMsg(kDataChanged);
    }
    ApplyEnabling();
}

}  // namespace vk
