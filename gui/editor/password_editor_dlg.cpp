#include "gui/editor/password_editor_dlg.h"

#include <wx/headerctrl.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>

#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "gui/app/app_context.h"
#include "gui/app/welcome_dlg.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/ui/file_pickers.h"
#include "gui/ui/wx_text.h"

namespace vk {

CPasswordEditorDlg::CPasswordEditorDlg(wxWindow* parent, CAppContext& context,
                                       wxStatusBar* statusBar)
    : wxPanel(parent, 102), context_(context), statusBar_(statusBar) {
    fileSettings_.firstStart = context_.settings.firstStart;
    fileSettings_.programFolderFile = context_.DefaultFilePath();
    fileSettings_.addRecentFile = [this](const std::string& path) {
        context_.settingsStore.AddRecentFile(context_.settings, path);
    };
    files_ = std::make_unique<CFileCommands>(context_.store, context_.tree, context_.file,
                                             context_.prompt, context_.fs, *this, fileSettings_);

    splitter_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxSP_LIVE_UPDATE | wxSP_3DSASH);
    splitter_->SetMinimumPaneSize(80);
    auto* folders = new wxPanel(splitter_, 1111);
    header_ = new wxHeaderCtrlSimple(folders, wxID_ANY);
    // One column wider than any pane, so the header always spans the tree.
    header_->AppendColumn(wxHeaderColumnSimple("Folders", 4000, wxALIGN_LEFT, 0));
    tree_ = new CFolderTreeCtrl(folders, 1000);
    auto* folderSizer = new wxBoxSizer(wxVERTICAL);
    folderSizer->Add(header_, 0, wxEXPAND);
    folderSizer->Add(tree_, 1, wxEXPAND);
    folders->SetSizer(folderSizer);
    records_ = new wxPanel(splitter_, 1004, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME);
    splitter_->SplitVertically(folders, records_, 200);
    splitter_->SetSashGravity(0.0);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(splitter_, 1, wxEXPAND);
    SetSizer(sizer);

    tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CPasswordEditorDlg::OnSelectionChanged, this);
}

CPasswordEditorDlg::~CPasswordEditorDlg() = default;

void CPasswordEditorDlg::OnSelectionChanged(wxTreeEvent& event) {
    ShowSelectedFolder();
    event.Skip();
}

void CPasswordEditorDlg::ShowSelectedFolder() {
    if (!statusBar_) return;
    const int index = tree_->FolderIndexOf();
    if (!context_.store.IsValidFolderIndex(index)) {
        statusBar_->SetStatusText("", kStatusPaneFolder);
        return;
    }
    const CFolder& folder = context_.store.folders[static_cast<std::size_t>(index)];
    const wxTreeItemId item = tree_->GetSelection();
    statusBar_->SetStatusText(
        wxString::Format("Folder: %s    Records: %u", tree_->GetItemText(item),
                         static_cast<unsigned>(folder.records.size())),
        kStatusPaneFolder);
}

void CPasswordEditorDlg::CommitEdits() {}

std::optional<std::string> CPasswordEditorDlg::AskOpenPath() {
    std::string path = context_.store.filePath;
    if (PickPasswordFile(PasswordFilePicker::kOpen, path, wxGetTopLevelParent(this),
                         context_.programFolder) != wxID_OK)
        return std::nullopt;
    return path;
}

std::optional<std::string> CPasswordEditorDlg::AskSaveAsPath(const std::string& currentPath) {
    std::string path = currentPath;
    if (PickPasswordFile(PasswordFilePicker::kSaveAs, path, wxGetTopLevelParent(this),
                         context_.programFolder) != wxID_OK)
        return std::nullopt;
    return path;
}

std::optional<SelectPasswordResult> CPasswordEditorDlg::SelectPassword(
    const SelectPasswordRequest& request) {
    if (!selectPassword) return std::nullopt;
    return selectPassword(wxGetTopLevelParent(this), request);
}

void CPasswordEditorDlg::ShowWelcome() {
    CWelcomeDlg welcome(wxGetTopLevelParent(this));
    welcome.ShowModal();
}

void CPasswordEditorDlg::ShowStatus(const std::string& text) {
    if (statusBar_) statusBar_->SetStatusText(ToWx(text), kStatusPaneFolder);
}

void CPasswordEditorDlg::FolderTreeChanged() {
    tree_->Fill(context_.tree);
    ShowSelectedFolder();
}

void CPasswordEditorDlg::StoreStateChanged() {
    onStoreStateChanged();
}

void CPasswordEditorDlg::RunFirstLoad() {
    files_->FirstLoad();
    // The first load ends the first start; the settings written later record it as Init.
    context_.settings.firstStart = fileSettings_.firstStart;
}

void CPasswordEditorDlg::SelectFirstFolder() {
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = tree_->GetFirstChild(tree_->GetRootItem(), cookie);
    if (first.IsOk()) tree_->SelectItem(first);
}

void CPasswordEditorDlg::ResetUndo() {}

}  // namespace vk
