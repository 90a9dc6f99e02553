#include "gui/app/main_window.h"

#include <wx/display.h>
#include <wx/menu.h>

#include "core/editor/file_commands.h"
#include "core/shell/file_names.h"
#include "core/shell/text_rules.h"
#include "gui/app/app_context.h"
#include "gui/app/command_ids.h"
#include "gui/app/modified_status_bar.h"
#include "gui/app/welcome_dlg.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/ui/artwork.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kRecentShown = 5;

}  // namespace

CMainWindow::CMainWindow(CAppContext& context)
    : wxFrame(nullptr, 138, "Vaultkeep"), context_(context) {
    SetIcons(art::ProgramIcons());
    statusBar_ = new CModifiedStatusBar(this);
    SetStatusBar(statusBar_);
    BuildMenus();
    editor_ = new CPasswordEditorDlg(this, context_, statusBar_);
    editor_->onStoreStateChanged = [this] { RefreshState(); };

    SetClientSize(FromDIP(wxSize(640, 420)));
    SetMinSize(GetSize());
    RestorePosition();

    Bind(wxEVT_CLOSE_WINDOW, &CMainWindow::OnClose, this);
    Bind(wxEVT_MENU_OPEN, &CMainWindow::OnMenuOpen, this);
    Bind(wxEVT_MENU, &CMainWindow::OnCommand, this);
    Bind(wxEVT_MENU, &CMainWindow::OnRecentFile, this, cmd::WxId(cmd::kRecentFirst),
         cmd::WxId(cmd::kRecentLast));
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& e) {
        editor_->ShowSelectedFolder();
        e.Skip();
    });
    RefreshState();
}

CMainWindow::~CMainWindow() = default;

void CMainWindow::BuildMenus() {
    fileMenu_ = new wxMenu;
    fileMenu_->Append(cmd::WxId(cmd::kNewFile), "&New...\tCtrl+N");
    fileMenu_->Append(cmd::WxId(cmd::kOpenFile), "&Open...\tCtrl+O");
    fileMenu_->Append(cmd::WxId(cmd::kSave), "&Save\tCtrl+S");
    fileMenu_->Append(cmd::WxId(cmd::kSaveAs), "Save &as...");
    fileMenu_->AppendSeparator();
    recentMenu_ = new wxMenu;
    fileMenu_->AppendSubMenu(recentMenu_, "&Recent files");
    fileMenu_->AppendSeparator();
    fileMenu_->Append(cmd::WxId(cmd::kExit), "E&xit");

    auto* folders = new wxMenu;
    folders->Append(cmd::WxId(cmd::kCollapseAll), "&Collapse all");
    folders->Append(cmd::WxId(cmd::kExpandAll), "&Expand all");

    auto* tools = new wxMenu;
    tools->Append(cmd::WxId(cmd::kMasterPassword), "&Master password...");

    auto* help = new wxMenu;
    help->Append(cmd::WxId(cmd::kAbout), "&About");

    auto* bar = new wxMenuBar;
    bar->Append(fileMenu_, "&File");
    bar->Append(folders, "F&olders");
    bar->Append(tools, "&Tools");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
}

void CMainWindow::UpdateMenus() {
    const bool canSave = StoreCanBeSaved(context_.store);
    wxMenuBar* bar = GetMenuBar();
    bar->Enable(cmd::WxId(cmd::kSave), canSave);
    bar->Enable(cmd::WxId(cmd::kSaveAs), canSave);
    bar->Enable(cmd::WxId(cmd::kMasterPassword), canSave);
    const bool hasFolders = !context_.tree.Empty();
    bar->Enable(cmd::WxId(cmd::kCollapseAll), hasFolders);
    bar->Enable(cmd::WxId(cmd::kExpandAll), hasFolders);

    while (recentMenu_->GetMenuItemCount() > 0)
        recentMenu_->Destroy(recentMenu_->FindItemByPosition(0));
    const auto& recent = context_.settings.recentFiles;
    for (int i = 0; i < kRecentShown && i < static_cast<int>(recent.size()); ++i) {
        recentMenu_->Append(
            cmd::WxId(cmd::kRecentFirst) + i,
            ToWx(MenuTextOfName(FileNamePart(recent[static_cast<std::size_t>(i)]))));
    }

    // "&Close editor" stands just before the last item while the tray icon is shown.
    if (wxMenuItem* close = fileMenu_->FindItem(cmd::WxId(cmd::kCloseEditor)))
        fileMenu_->Destroy(close);
    if (context_.trayIconShown())
        fileMenu_->Insert(fileMenu_->GetMenuItemCount() - 1, cmd::WxId(cmd::kCloseEditor),
                          "&Close editor");
}

void CMainWindow::RefreshState() {
    SetTitle(ToWx(MainWindowTitle(context_.store)));
    statusBar_->SetModified(context_.store.modified);
    UpdateMenus();
}

void CMainWindow::UpdateClipboardTimer() {
    context_.updateClipboardTimer();
}

void CMainWindow::RestorePosition() {
    const auto stored = context_.settingsStore.LoadWindowPosition();
    if (!stored || stored->right == stored->left) return;
    const wxRect area = wxDisplay(wxDisplay::GetFromWindow(this) == wxNOT_FOUND
                                      ? 0u
                                      : static_cast<unsigned>(wxDisplay::GetFromWindow(this)))
                            .GetClientArea();
    const WindowRect work{area.GetTop(), area.GetLeft(), area.GetBottom() + 1, area.GetRight() + 1};
    const WindowRect r = ClampToWorkArea(*stored, work);
    SetSize(r.left, r.top, std::max(r.right - r.left, GetMinSize().x),
            std::max(r.bottom - r.top, GetMinSize().y));
}

WindowRect CMainWindow::CurrentRect() const {
    const wxRect r = GetRect();
    return WindowRect{r.GetTop(), r.GetLeft(), r.GetBottom() + 1, r.GetRight() + 1};
}

void CMainWindow::ScheduleFirstLoad() {
    if (firstLoadDone_) return;
    firstLoadDone_ = true;
    CallAfter([this] {
        editor_->RunFirstLoad();
        RefreshState();
        context_.rebuildQuickAccess();
    });
}

bool CMainWindow::PrepareToClose(bool allowCancel) {
    context_.SaveSettings();
    const SaveResult saved = editor_->Files().Save(true, allowCancel);
    return saved == kSaveDone || saved == kSaveDeclined;
}

void CMainWindow::OnClose(wxCloseEvent& event) {
    if (!PrepareToClose(true) && event.CanVeto()) {
        event.Veto();
        return;
    }
    if (!IsIconized()) context_.settingsStore.SaveWindowPosition(CurrentRect());
    if (context_.trayIconShown() && !exitRequested_ && event.CanVeto()) {
        Hide();
        event.Veto();
        return;
    }
    context_.quit();
}

bool CMainWindow::ExitProgram(bool allowCancel) {
    const SaveResult saved = editor_->Files().Save(true, allowCancel);
    if (saved != kSaveDone && saved != kSaveDeclined) return false;
    exitRequested_ = true;
    return Close();
}

bool CMainWindow::QueryEndSession() {
    context_.SaveSettings();
    const SaveResult saved = editor_->Files().Save(true, true);
    return saved == kSaveDone || saved == kSaveDeclined;
}

void CMainWindow::OnMenuOpen(wxMenuEvent& event) {
    UpdateMenus();
    event.Skip();
}

void CMainWindow::OnRecentFile(wxCommandEvent& event) {
    const auto index = static_cast<std::size_t>(cmd::CommandOf(event.GetId()) - cmd::kRecentFirst);
    if (index >= context_.settings.recentFiles.size()) return;
    const std::string path = context_.settings.recentFiles[index];
    editor_->Files().Open(&path);
    context_.rebuildQuickAccess();
}

void CMainWindow::OnCommand(wxCommandEvent& event) {
    editor_->CommitEdits();
    switch (cmd::CommandOf(event.GetId())) {
        case cmd::kNewFile:
            editor_->Files().NewFile();
            context_.rebuildQuickAccess();
            break;
        case cmd::kOpenFile:
            editor_->Files().Open(nullptr);
            context_.rebuildQuickAccess();
            break;
        case cmd::kSave:
            editor_->Files().Save(false, false);
            context_.rebuildQuickAccess();
            break;
        case cmd::kSaveAs:
            editor_->Files().SaveAs();
            context_.rebuildQuickAccess();
            break;
        case cmd::kMasterPassword:
            editor_->Files().ChangeMasterPassword();
            break;
        case cmd::kCollapseAll:
            editor_->Tree()->CollapseAllFolders();
            break;
        case cmd::kExpandAll:
            editor_->Tree()->ExpandAllFolders();
            break;
        case cmd::kAbout: {
            CAboutDlg about(this);
            about.ShowModal();
            break;
        }
        case cmd::kExit:
            exitRequested_ = true;
            Close();
            return;
        case cmd::kCloseEditor:
            exitRequested_ = false;
            Close();
            return;
        default:
            event.Skip();
            return;
    }
    RefreshState();
}

}  // namespace vk
