#include "gui/editor/password_editor_dlg.h"

#include <wx/dcclient.h>
#include <wx/headerctrl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>

#include "core/app/command_ids.h"
#include "core/editor/editor_layout.h"
#include "core/editor/editor_messages.h"
#include "core/settings/settings_names.h"
#include "gui/app/app_context.h"
#include "gui/app/welcome_dlg.h"
#include "gui/editor/category_warning_dlg.h"
#include "gui/editor/cell_editors.h"
#include "gui/editor/field_boxes.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/image_button.h"
#include "gui/editor/record_grid_table.h"
#include "gui/editor/search_dlg.h"
#include "gui/ui/file_pickers.h"
#include "gui/ui/skin.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/wx_text.h"
#include "platform/local_date_clock.h"
#include "platform/wx/launcher.h"

namespace vk {

wxDEFINE_EVENT(EVT_LIST_CTRL_MSG, wxCommandEvent);

namespace {

// Where the bars start before the user has moved them.
constexpr int kFolderPaneWidth = 180;
constexpr int kFieldPaneHeight = 150;

}  // namespace

CPasswordEditorDlg::CPasswordEditorDlg(wxWindow* parent, CAppContext& context,
                                       wxStatusBar* statusBar)
    : wxPanel(parent, 102),
      context_(context),
      statusBar_(statusBar),
      calendar_(std::make_unique<CLocalDateClock>()) {
    fileSettings_.firstStart = context_.settings.firstStart;
    fileSettings_.programFolderFile = context_.DefaultFilePath();
    fileSettings_.addRecentFile = [this](const std::string& path) {
        context_.settingsStore.AddRecentFile(context_.settings, path);
    };
    files_ = std::make_unique<CFileCommands>(context_.store, context_.tree, context_.file,
                                             context_.prompt, context_.fs, *this, fileSettings_);

    folderSplit_ = new wxSplitterWindow(this, 1001, wxDefaultPosition, wxDefaultSize,
                                        wxSP_LIVE_UPDATE | wxSP_NOBORDER | wxSP_3DSASH);
    folderSplit_->SetMinimumPaneSize(FromDIP(80));
    wxWindow* folders = MakeFolderPane(folderSplit_);
    wxWindow* records = MakeRecordPane(folderSplit_);
    const int buttonsWidth = folders->GetSizer()->CalcMin().x;
    folderSplit_->SplitVertically(folders, records,
                                  std::max(FromDIP(kFolderPaneWidth), buttonsWidth + FromDIP(8)));
    folderSplit_->SetSashGravity(0.0);
    grid_->SetPartnerTree(tree_);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(folderSplit_, 1, wxEXPAND | wxTOP, 2);
    SetSizer(sizer);
    // An etched line along the top parts the editor from the menu bar.
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(this);
        const int width = GetClientSize().x;
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
        dc.DrawLine(0, 0, width, 0);
        dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
        dc.DrawLine(0, 1, width, 1);
    });

    Bind(wxEVT_SIZE, &CPasswordEditorDlg::OnSize, this);
    for (wxSplitterWindow* bar : {folderSplit_, recordSplit_}) {
        bar->Bind(wxEVT_SPLITTER_SASH_POS_CHANGING, &CPasswordEditorDlg::OnSashChanging, this);
        bar->Bind(wxEVT_SPLITTER_SASH_POS_CHANGED, &CPasswordEditorDlg::OnSashChanging, this);
        // A double click on a bar would take a pane away.
        bar->Bind(wxEVT_SPLITTER_DOUBLECLICKED, [](wxSplitterEvent& e) { e.Veto(); });
    }
    tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CPasswordEditorDlg::OnTreeSelectionChanged, this);
    tree_->Bind(wxEVT_TREE_ITEM_MENU, &CPasswordEditorDlg::ShowFolderMenu, this);
    tree_->Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &CPasswordEditorDlg::OnBeginLabelEdit, this);
    tree_->Bind(wxEVT_TREE_END_LABEL_EDIT, &CPasswordEditorDlg::OnEndLabelEdit, this);
    // The tree ends its name editor on Enter and Esc itself, reporting a name confirmed
    // unchanged as cancelled too: only this Esc says that the user cancelled.
    tree_->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (labelEditing_ && e.GetKeyCode() == WXK_ESCAPE) labelEscaped_ = true;
        e.Skip();
    });
    tree_->onFolderDropped = [this](CFolderTree::Node* dragged, CFolderTree::Node* target) {
        FolderDropped(dragged, target);
    };
    tree_->onUndoKey = [this] { UndoKey(); };
    header_->Bind(wxEVT_HEADER_CLICK, [this](wxHeaderCtrlEvent&) { SortFolders(); });
    boxes_->onChanged = [this](int box) { OnFieldBoxChanged(box); };
    grid_->GetGridWindow()->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        grid_->ForceRefresh();
        e.Skip();
    });
    grid_->GetGridWindow()->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        grid_->ForceRefresh();
        e.Skip();
    });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { RunCommand(cmd::CommandOf(e.GetId())); });
    Bind(wxEVT_MENU, [this](wxCommandEvent& e) { RunCommand(cmd::CommandOf(e.GetId())); });
    Bind(EVT_LIST_CTRL_MSG, &CPasswordEditorDlg::OnListCtrlMsg, this);
    // The editor's keys come before the focused control's own handling.
    Bind(wxEVT_CHAR_HOOK, &CPasswordEditorDlg::OnCharHook, this);
    grid_->GetGridWindow()->Bind(wxEVT_CHAR, &CPasswordEditorDlg::OnGridChar, this);
    cellEditors_ = std::make_unique<CCellEditors>(grid_->GetGridWindow(), completions_);
    cellEditors_->onGenerate = [this] { GenerateIntoCell(); };
    cellEditors_->onTyped = [this] { MarkModified(); };
    for (wxTextCtrl* box : {boxes_->Url(), boxes_->Email(), boxes_->Notes()}) {
        // Entering a box ends a cell edit and selects the box's text.
        box->Bind(wxEVT_SET_FOCUS, [this, box](wxFocusEvent& e) {
            e.Skip();
            CommitCellEdit();
            CallAfter([box] {
                if (box->HasFocus()) box->SelectAll();
            });
        });
    }

    askCategoryWarning = [this](const std::string& from, const std::string& to, bool& suppress) {
        CCategoryWarningDlg warning(wxGetTopLevelParent(this), from, to);
        const bool ok = warning.ShowModal() == wxID_OK;
        suppress = ok && warning.SuppressChecked();
        return ok;
    };
    context_.editorSettingsChanged = [this] { SettingsChanged(); };
    context_.editorSkinChanged = [this] { ApplySkin(); };
    ApplySkin();
    launch = [this](const std::string& text) { LaunchText(text, context_.prompt); };
    showSearchDialog = [](CSearchDlg& dialog) { dialog.ShowModal(); };
    ShowFolderAt(0, 0);
}

CPasswordEditorDlg::~CPasswordEditorDlg() {
    context_.editorSettingsChanged = [] {};
    context_.editorSkinChanged = [] {};
    SaveSplitters();
}

wxWindow* CPasswordEditorDlg::MakeFolderPane(wxWindow* parent) {
    auto* pane = new wxPanel(parent);
    wxSizer* buttons = MakeButtonRow(pane, {cmd::kAddFolder, cmd::kAddSubfolder, cmd::kDeleteFolder,
                                            cmd::kRenameFolder, cmd::kSearchFolders});
    auto* box = new wxPanel(pane, 1111, wxDefaultPosition, wxDefaultSize, wxBORDER_THEME);
    header_ = new wxHeaderCtrlSimple(box, wxID_ANY);
    header_->AppendColumn(wxHeaderColumnSimple(msg::kFoldersHeader, FromDIP(kFolderPaneWidth),
                                               wxALIGN_LEFT, wxCOL_SORTABLE));
    header_->ShowSortIndicator(0, !state_.foldersDescending);
    tree_ = new CFolderTreeCtrl(box, 1000);
    // The header's one item is as wide as the control, so its sort arrow shows at its end.
    box->Bind(wxEVT_SIZE, [this, box](wxSizeEvent& e) {
        e.Skip();
        header_->DeleteColumn(0);
        header_->AppendColumn(wxHeaderColumnSimple(msg::kFoldersHeader, box->GetClientSize().x,
                                                   wxALIGN_LEFT, wxCOL_SORTABLE));
        header_->ShowSortIndicator(0, !state_.foldersDescending);
    });
    auto* boxSizer = new wxBoxSizer(wxVERTICAL);
    boxSizer->Add(header_, 0, wxEXPAND);
    boxSizer->Add(tree_, 1, wxEXPAND);
    box->SetSizer(boxSizer);

    const int gap = FromDIP(4);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(buttons, 0, wxALL, gap);
    column->Add(box, 1, wxEXPAND | wxLEFT | wxBOTTOM, gap);
    pane->SetSizer(column);
    return pane;
}

wxWindow* CPasswordEditorDlg::MakeRecordPane(wxWindow* parent) {
    auto* pane = new wxPanel(parent);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(
        MakeButtonRow(pane, {cmd::kAddItem, cmd::kDeleteItem, cmd::kEditItem, cmd::kSearchItems}));
    buttons->AddStretchSpacer();
    buttons->Add(MakeButtonRow(
        pane, {cmd::kGeneratePassword, cmd::kImportButton, cmd::kExportButton, cmd::kReport}));

    recordSplit_ = new wxSplitterWindow(pane, 1002, wxDefaultPosition, wxDefaultSize,
                                        wxSP_LIVE_UPDATE | wxSP_NOBORDER | wxSP_3DSASH);
    recordSplit_->SetMinimumPaneSize(FromDIP(60));
    table_ = new CRecordGridTable(context_.store, dates_, context_.settings.mask);
    grid_ = new CRecordListCtrl(recordSplit_, 1004, *this, table_);
    grid_->autoSize = context_.settings.autosizeCol;
    boxes_ = new CFieldBoxes(recordSplit_, completions_, context_.settings.skinDialog);
    buttons_[cmd::kLaunchUrl] = boxes_->LaunchButton();
    buttons_[cmd::kSendEmail] = boxes_->MailButton();
    recordSplit_->SplitHorizontally(grid_, boxes_, -FromDIP(kFieldPaneHeight));
    recordSplit_->SetSashGravity(1.0);

    const int gap = FromDIP(4);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(buttons, 0, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, gap);
    column->Add(recordSplit_, 1, wxEXPAND);
    pane->SetSizer(column);
    return pane;
}

wxSizer* CPasswordEditorDlg::MakeButtonRow(wxWindow* parent, const std::vector<int>& commands) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    for (int command : commands) {
        CSkinButton* button = MakeImageButton(parent, command, context_.settings.skinDialog);
        row->Add(button, 0, wxRIGHT, FromDIP(2));
        buttons_[command] = button;
    }
    return row;
}

void CPasswordEditorDlg::ApplySkin() {
    const bool skinned = context_.settings.skinDialog;
    // Without the skin the panes take the system's colour again.
    const wxColour ground = skinned ? skin::DialogBackground() : wxNullColour;
    for (wxWindow* window :
         {static_cast<wxWindow*>(this), folderSplit_->GetWindow1(), folderSplit_->GetWindow2(),
          static_cast<wxWindow*>(recordSplit_), static_cast<wxWindow*>(boxes_)})
        window->SetBackgroundColour(ground);
    for (const auto& [command, button] : buttons_) SetImageButtonSkin(*button, skinned);
    Refresh();
}

CSkinButton* CPasswordEditorDlg::Button(int command) {
    const auto found = buttons_.find(command);
    return found == buttons_.end() ? nullptr : found->second;
}

int CPasswordEditorDlg::RecordSplitterTop() const {
    // Added up from the parents' positions: screen positions need a shown window.
    int top = 0;
    for (const wxWindow* w = recordSplit_; w && w != this; w = w->GetParent())
        top += w->GetPosition().y;
    return top;
}

void CPasswordEditorDlg::OnSize(wxSizeEvent& event) {
    event.Skip();
    CallAfter([this] {
        if (!splittersRestored_ && GetClientSize().y > 0) {
            splittersRestored_ = true;
            RestoreSplitters();
        }
        KeepRecordSplitterInRange();
    });
}

void CPasswordEditorDlg::OnSashChanging(wxSplitterEvent& event) {
    GridScrolled();
    const wxSize client = GetClientSize();
    if (event.GetEventObject() == folderSplit_) {
        const CSkinButton* search = Button(cmd::kSearchFolders);
        const SplitterRange range =
            FolderSplitterRange(search ? search->GetRect().GetRight() + 1 : 0, client.x);
        event.SetSashPosition(ClampToRange(event.GetSashPosition(), range));
    } else {
        const int top = RecordSplitterTop();
        const SplitterRange range = RecordSplitterRange(client.y);
        event.SetSashPosition(ClampToRange(event.GetSashPosition() + top, range) - top);
    }
}

void CPasswordEditorDlg::KeepRecordSplitterInRange() {
    if (!recordSplit_->IsSplit()) return;
    const int top = RecordSplitterTop();
    const int position = recordSplit_->GetSashPosition() + top;
    const int kept = ClampToRange(position, RecordSplitterRange(GetClientSize().y));
    if (kept != position) recordSplit_->SetSashPosition(kept - top);
}

void CPasswordEditorDlg::SaveSplitters() {
    const wxSize client = GetClientSize();
    WindowRect folderBar;
    folderBar.top = 1;
    folderBar.left = folderSplit_->GetSashPosition();
    folderBar.right = folderBar.left + folderSplit_->GetSashSize();
    folderBar.bottom = client.y;
    WindowRect recordBar;
    recordBar.top = RecordSplitterTop() + recordSplit_->GetSashPosition();
    recordBar.bottom = recordBar.top + recordSplit_->GetSashSize();
    recordBar.left = folderBar.right;
    recordBar.right = client.x;
    context_.settingsStore.SaveSplitter(setting::kSplitter1, folderBar);
    context_.settingsStore.SaveSplitter(setting::kSplitter2, recordBar);
}

void CPasswordEditorDlg::RestoreSplitters() {
    // A rectangle without width leaves the bar where it starts.
    if (auto bar = context_.settingsStore.LoadSplitter(setting::kSplitter1);
        bar && bar->right != bar->left)
        folderSplit_->SetSashPosition(bar->left);
    if (auto bar = context_.settingsStore.LoadSplitter(setting::kSplitter2);
        bar && bar->right != bar->left) {
        Layout();
        recordSplit_->SetSashPosition(bar->top - RecordSplitterTop());
    }
}

// The file commands' windows.

void CPasswordEditorDlg::CommitEdits() {
    CommitCellEdit();
    StoreFieldBoxes();
}

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
    FillTree();
    PostListCtrlMsg(kDataChanged);
}

void CPasswordEditorDlg::StoreStateChanged() {
    ApplyEnabling();
    onStoreStateChanged();
}

void CPasswordEditorDlg::RunFirstLoad() {
    files_->FirstLoad();
    // The first load ends the first start; the settings written later record it as Init.
    context_.settings.firstStart = fileSettings_.firstStart;
    // The keys work at once after opening: arrows, typing, Enter and Delete act on the
    // records, unless a folder is being named or a cell is open.
    if (state_.pending == PendingMode::kNone && cellEditors_->Open() == CCellEditors::Kind::kNone)
        grid_->SetFocus();
}

void CPasswordEditorDlg::SelectFirstFolder() {
    FillTree();
    MoveToCell(0, 0);
}

void CPasswordEditorDlg::ResetUndo() {
    context_.store.undo.Reset();
}

}  // namespace vk
