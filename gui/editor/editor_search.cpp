// Search folders and Search items: the search dialog's Find next shown in the editor.
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "core/editor/item_search.h"
#include "core/quickaccess/quick_access_messages.h"
#include "gui/app/app_context.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/editor/search_dlg.h"

namespace vk {
namespace {

int BoxOfField(int field) {
    switch (field) {
        case kUrl:
            return control::kUrlBox;
        case kEmail:
            return control::kEmailBox;
        default:
            return control::kNotesBox;
    }
}

}  // namespace

void CPasswordEditorDlg::RunSearch(SearchMode mode) {
    CSearchDlg dialog(wxGetTopLevelParent(this), mode, SearchHistoryOf(context_.store, mode),
                      context_.settings.searchOptions);
    dialog.findNext = [this, mode](const std::string& text) {
        if (mode == SearchMode::kFolders)
            FindNextFolder(text);
        else
            FindNextItem(text);
    };
    // The histories are saved with the file.
    dialog.historyChanged = [this] { MarkModified(); };
    showSearchDialog(dialog);
    state_.foundHighlight = false;
    HighlightFoundField(control::kNoField);
    grid_->ForceRefresh();
}

void CPasswordEditorDlg::FindNextFolder(const std::string& text) {
    if (text.empty()) return;
    const CFolderTree::Node* start = SelectedNode();
    if (!start) start = context_.tree.First();
    const CFolderTree::Node* found =
        context_.tree.FindNext(text, start, context_.settings.searchOptions);
    if (!found) {
        context_.prompt.ShowMessage(msg::kSearchNotFound, MessageButtons::kOk,
                                    MessageIcon::kDefault);
        return;
    }
    const wxTreeItemId item = tree_->ItemOfNode(found);
    tree_->EnsureVisible(item);
    tree_->Expand(item);
    tree_->SelectItem(item);
    MoveToCell(0, 0);
}

void CPasswordEditorDlg::FindNextItem(const std::string& text) {
    const std::uint32_t options = context_.settings.searchOptions;
    const CFolderTree::Node* start = SelectedNode();
    if (!start) start = context_.tree.First();
    const int from = NextSearchPosition(state_.searchPosition, state_.currentRow);
    auto match = vk::FindNextItem(context_.tree, context_.store, context_.settings, start, from,
                                  text, options);
    if (!match) {
        context_.prompt.ShowMessage(msg::kSearchNotFound, MessageButtons::kOk,
                                    MessageIcon::kDefault);
        return;
    }
    if (match->record < 0) return;  // an empty text: found, nothing to show
    if (match->node != SelectedNode()) {
        // Shown, the folder's records are in display order: its first match is the one.
        const wxTreeItemId item = tree_->ItemOfNode(match->node);
        tree_->EnsureVisible(item);
        tree_->SelectItem(item);
        match = vk::FindNextItem(context_.tree, context_.store, context_.settings, match->node, 0,
                                 text, options);
        if (!match || match->record < 0) return;
    }
    state_.searchPosition = match->record;
    if (match->column >= 0) {
        HighlightFoundField(control::kNoField);
        state_.foundHighlight = true;
        MoveToCell(match->record, match->column);
        grid_->ForceRefresh();
        return;
    }
    state_.foundHighlight = false;
    if (!MoveToCell(match->record, 0)) {
        state_.currentRow = match->record;
        ShowCurrentRecord();
    }
    StoreFieldBoxes();
    state_.currentColumn = -1;
    grid_->ForceRefresh();
    const int box = BoxOfField(match->field);
    HighlightFoundField(box);
    wxTextCtrl* found = static_cast<wxTextCtrl*>(boxes_->FindWindow(box));
    found->SetFocus();
    found->SelectAll();
}

void CPasswordEditorDlg::HighlightFoundField(int box) {
    state_.foundField = box;
    for (wxTextCtrl* b : {boxes_->Url(), boxes_->Email(), boxes_->Notes()}) {
        const bool found = b->GetId() == box;
        b->SetBackgroundColour(found ? wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)
                                     : wxNullColour);
        b->SetForegroundColour(found ? wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT)
                                     : wxNullColour);
        b->Refresh();
    }
}

}  // namespace vk
