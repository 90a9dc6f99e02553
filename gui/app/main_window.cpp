#include "gui/app/main_window.h"

#include <utility>

#include <wx/display.h>
#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "core/editor/file_commands.h"
#include "core/shell/file_names.h"
#include "core/shell/text_rules.h"
#include "gui/app/app_context.h"
#include "gui/app/component_commands.h"
#include "gui/app/main_menu.h"
#include "gui/app/main_toolbar.h"
#include "gui/app/modified_status_bar.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/tools/generator_commands.h"
#include "gui/tools/import_export_commands.h"
#include "gui/tools/options_commands.h"
#include "gui/tools/report_commands.h"
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
    editor_ = new CPasswordEditorDlg(this, context_, statusBar_);
    editor_->onStoreStateChanged = [this] { RefreshState(); };
    AddCommands();
    BuildMenus();
    toolbar_ = std::make_unique<CMainToolbar>(*this, commands_, context_);

    SetClientSize(FromDIP(wxSize(880, 560)));
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

void CMainWindow::AddCommands() {
    auto files = [this] { return &editor_->Files(); };
    // After each file command the quick-access tree shows the file as it is now.
    auto rebuild = [this] { context_.rebuildQuickAccess(); };
    commands_.Add(cmd::kNewFile, [files, rebuild] {
        files()->NewFile();
        rebuild();
    });
    commands_.Add(cmd::kOpenFile, [files, rebuild] {
        files()->Open(nullptr);
        rebuild();
    });
    commands_.Add(cmd::kSave, [files, rebuild] {
        files()->Save(false, false);
        rebuild();
    });
    commands_.Add(cmd::kSaveAs, [files, rebuild] {
        files()->SaveAs();
        rebuild();
    });
    commands_.Add(cmd::kMasterPassword, [files] { files()->ChangeMasterPassword(); });
    editor_->AddCommands(commands_);
    AddComponentCommands(commands_, context_, *this);
    commands_.Add(cmd::kExit, [this] {
        exitRequested_ = true;
        Close();
    });
    commands_.Add(cmd::kCloseEditor, [this] {
        exitRequested_ = false;
        Close();
    });
    AddGeneratorCommands(commands_, context_, this);
    AddOptionsCommands(commands_, context_, this);
    AddImportExportCommands(commands_, context_, this);
    AddReportCommands(commands_, context_, this);
}

void CMainWindow::BuildMenus() {
    menu_ = BuildMainMenu(commands_);
    SetMenuBar(menu_.bar);
}

void CMainWindow::UpdateMenus() {
    const bool canSave = StoreCanBeSaved(context_.store);
    wxMenuBar* bar = GetMenuBar();
    for (int command : MainMenuCommands()) {
        if (!bar->FindItem(cmd::WxId(command))) continue;
        bar->Enable(cmd::WxId(command), commands_.IsEnabled(command) &&
                                            (canSave || !CommandNeedsSavableStore(command)));
        if (const auto label = commands_.LabelOf(command))
            bar->SetLabel(cmd::WxId(command), ToWx(*label));
        if (const auto checked = commands_.IsChecked(command))
            bar->Check(cmd::WxId(command), *checked);
    }

    wxMenu* recentMenu = menu_.recentFiles;
    while (recentMenu->GetMenuItemCount() > 0)
        recentMenu->Destroy(recentMenu->FindItemByPosition(0));
    const auto& recent = context_.settings.recentFiles;
    for (int i = 0; i < kRecentShown && i < static_cast<int>(recent.size()); ++i) {
        recentMenu->Append(cmd::WxId(cmd::kRecentFirst) + i,
                           ToWx(MenuTextOfName(FileNamePart(recent[static_cast<std::size_t>(i)]))));
    }
    // An empty submenu would open as a blank box.
    menu_.recentFilesItem->Enable(recentMenu->GetMenuItemCount() > 0);
    if (menu_.setColumnsItem) {
        bool anyCategory = false;
        for (int c = cmd::kSetColumnsFirst; c <= cmd::kSetColumnsLast; ++c)
            anyCategory = anyCategory || bar->IsEnabled(cmd::WxId(c));
        menu_.setColumnsItem->Enable(anyCategory);
    }

    // "&Close editor" stands just before the last item while the tray icon is shown.
    wxMenu* file = menu_.file;
    if (wxMenuItem* close = file->FindItem(cmd::WxId(cmd::kCloseEditor))) file->Destroy(close);
    if (context_.trayIconShown())
        file->Insert(file->GetMenuItemCount() - 1, cmd::WxId(cmd::kCloseEditor), "&Close editor");
}

void CMainWindow::RefreshState() {
    SetTitle(ToWx(MainWindowTitle(context_.store)));
    statusBar_->SetModified(context_.store.modified);
    UpdateMenus();
}

void CMainWindow::UpdateClipboardTimer() {
    context_.applyClipboardTimer();
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
        firstLoadRan_ = true;
        for (auto& action : std::exchange(afterFirstLoad_, {})) action();
        ShowStartupTip(*this, context_);
    });
}

void CMainWindow::WhenLoaded(std::function<void()> action) {
    if (firstLoadRan_)
        action();
    else
        afterFirstLoad_.push_back(std::move(action));
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
    const int command = cmd::CommandOf(event.GetId());
    if (!commands_.Has(command)) {
        event.Skip();
        return;
    }
    commands_.Execute(command);
    // Exit and close may have ended the window's use; nothing to refresh then.
    if (command != cmd::kExit && command != cmd::kCloseEditor) RefreshState();
}

}  // namespace vk
