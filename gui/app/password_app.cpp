#include "gui/app/password_app.h"

#include <wx/image.h>
#include <wx/uilocale.h>

#include "core/app/command_line.h"
#include "core/shell/file_names.h"
#include "core/shell/startup_entry.h"
#include "gui/app/about_dlg.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/app/modal_dialogs.h"
#include "gui/app/tray_icon_wnd.h"
#include "gui/editor/password_editor_dlg.h"
#include "gui/quickaccess/quick_access.h"
#include "gui/store/gui_user_prompt.h"
#include "gui/store/select_password_dlg.h"
#include "gui/ui/help_book.h"
#include "gui/ui/skin.h"
#include "gui/ui/wx_date_format.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"
#include "platform/steady_clock.h"
#include "platform/wx/desktop_identity.h"
#include "platform/wx/single_instance.h"
#include "platform/wx/wx_clipboard.h"
#include "platform/wx/wx_config_storage.h"
#include "platform/xdg_autostart.h"

namespace vk {
namespace {

// How soon an exit that waits for modal dialogs looks again.
constexpr int kExitRetryMs = 100;

// Set for as long as one tray-driven step runs, so that clicks meanwhile start no second one.
class ScopedFlag {
  public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

  private:
    bool& flag_;
};

}  // namespace

CPasswordApp::CPasswordApp() = default;
CPasswordApp::~CPasswordApp() = default;

bool CPasswordApp::OnInit() {
    // The desktop entry com.quorvane.Vaultkeep.desktop names this class as StartupWMClass.
    SetDesktopIdentity({"com.quorvane.Vaultkeep", "Vaultkeep", "Vaultkeep"});
    SetAppName("Vaultkeep");
    SetVendorName("Quorvane Software");
    wxUILocale::UseDefault();
    wxInitAllImageHandlers();
    // The program lives in the tray with no window at all between a password prompt and the
    // quick-access dialog: it ends through Quit(), never because its last window closed.
    SetExitOnFrameDelete(false);
    ReportFileSizeLimitAsError();

    // The command line is one text: a file path (quotes removed later) or "Systray".
    std::string arguments;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) arguments += ' ';
        arguments += argv[i].utf8_string();
    }

    modalDialogs_ = std::make_unique<CModalDialogs>();
    exitRetry_.SetOwner(this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { ExitWithPrompt(exitAllowsCancel_); },
        exitRetry_.GetId());
    if (!HandOverToRunningCopy(arguments)) {
        handedOver_ = true;
        return true;
    }

    configStorage_ = std::make_unique<CWxConfigStorage>();
    fs_ = std::make_unique<CPosixFileSystem>();
    prompt_ = std::make_unique<CGuiUserPrompt>();
    dates_ = std::make_unique<CWxDateFormat>();
    clipboard_ = std::make_unique<CWxClipboard>();
    clock_ = std::make_unique<CSteadyClock>();
    context_ = std::make_unique<CAppContext>(*configStorage_, *fs_, *prompt_, *dates_, *clipboard_,
                                             *clock_, ProgramFolder());
    CAppContext& c = *context_;
    c.settingsStore.LoadSettings(c.settings);
    c.settingsStore.LoadRecentFiles(c.settings);
    skin::SetEnabled(c.settings.skinDialog);
    c.store.filePath = c.settings.lastFile;
    c.store.encrypted = c.settings.encryptFiles;
    c.updateStartupEntry = [this] {
        CXdgAutostartEntry entry;
        UpdateStartupEntry(context_->settings.startWithWindows, entry, *prompt_);
    };
    c.updateStartupEntry();
    c.trayIconShown = [this] { return tray_ && tray_->IsShown(); };
    c.quit = [this] { Quit(); };
    FirstStart();

    MakeTray();
    quickAccess_ = std::make_unique<CQuickAccess>(
        c, [this] { ShowEditor(); }, [this] { return tray_ && tray_->MenuOpen(); });
    c.quickAccessChanged = [this] { quickAccess_->RequestRefresh(); };
    c.rebuildQuickAccess = [this] { quickAccess_->RebuildNow(); };
    c.applyTransparency = [this] { quickAccess_->ApplyTransparency(); };
    c.applySkin = [this] {
        // Dialogs opened from now on, and the quick-access dialog at once.
        skin::SetEnabled(context_->settings.skinDialog);
        quickAccess_->ApplySkin();
        context_->editorSkinChanged();
    };
    c.jumpToRecord = [this](int folder, int record, int slot) {
        JumpToRecord(folder, record, slot);
    };
    // Clearing runs from here, not from the main window, so a copy made from the tray is
    // cleared even when the editor was never opened.
    clipboardTimer_.SetOwner(this);
    Bind(
        wxEVT_TIMER,
        [this](wxTimerEvent&) {
            context_->clipboard.CheckClipboard(context_->settings.clearSeconds);
            UpdateClipboardTimer();
        },
        clipboardTimer_.GetId());
    c.clipboard.onPending = [this] { UpdateClipboardTimer(); };
    c.applyClipboardTimer = [this] { UpdateClipboardTimer(); };
    if (c.settings.sysTrayIcon) tray_->AddIcon();
    c.applyTrayIcon = [this] {
        if (context_->settings.sysTrayIcon)
            tray_->AddIcon();
        else
            tray_->RemoveFromTray();
        // "&Close editor" is there only while the icon is.
        if (mainWindow_) mainWindow_->UpdateMenus();
    };

    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.kind == CommandLine::Kind::kFile) c.store.filePath = commandLine.path;
    const StartupDecision start = DecideStartup(commandLine, c.settings.sysTrayIcon,
                                                c.store.filePath, CTrayIconWnd::IsAvailable());
    Bind(wxEVT_QUERY_END_SESSION, [this](wxCloseEvent& event) {
        // The desktop session ends: offer to save; Cancel keeps the session alive.
        if (mainWindow_ && !mainWindow_->QueryEndSession() && event.CanVeto()) event.Veto();
    });
    Bind(wxEVT_END_SESSION, [this](wxCloseEvent&) { Quit(); });
    // A hidden start needs the icon really in the tray, or nobody could reach the program.
    if (start.startHidden && tray_->AddIcon()) return true;
    ShowEditor();
    return true;
}

bool CPasswordApp::HandOverToRunningCopy(const std::string& arguments) {
    instance_ = std::make_unique<CSingleInstance>("Vaultkeep");
    if (instance_->IsAnotherRunning()) {
        if (NamesPasswordFile(arguments)) {
            // The first copy ends after its save question; this one then opens the file.
            instance_->SendShutdownAndWait();
        } else if (instance_->SendShow()) {
            return false;
        }
    }
    instance_->StartServer([this](CSingleInstance::Command command) {
        if (command == CSingleInstance::Command::kShow)
            ShowEditor();
        else
            ExitWithPrompt(false);
    });
    return true;
}

void CPasswordApp::FirstStart() {
    CAppContext& c = *context_;
    if (!c.settings.firstStart) return;
    c.settings.categoryNames[0] = "Email";
    c.settingsStore.SaveCategoryNames(c.settings);
    if (c.fs.Exists(c.DefaultFilePath())) c.settings.firstStart = false;
}

void CPasswordApp::MakeTray() {
    CTrayIconWnd::Actions actions;
    actions.open = [this] { OnTrayOpen(); };
    actions.openEditor = [this] { ShowEditor(); };
    actions.toggleLock = [this] {
        if (context_->locked)
            Unlock();
        else
            Lock();
    };
    actions.help = [] { AppHelp().Show(help::kMainWindow); };
    actions.about = [] {
        CAboutDlg about(nullptr);
        about.ShowModal();
    };
    actions.exit = [this] { ExitWithPrompt(true); };
    actions.canLock = [this] {
        const CPasswordStore& s = context_->store;
        return !s.filePath.empty() && s.loadComplete && !s.masterPassword.empty();
    };
    actions.isLocked = [this] { return context_->locked; };
    tray_ = std::make_unique<CTrayIconWnd>(std::move(actions));
}

void CPasswordApp::OnTrayOpen() {
    if (quitting_ || trayClick_) return;
    {
        const ScopedFlag handling(trayClick_);
        const CPasswordStore& s = context_->store;
        if (s.filePath.empty() || !s.loadComplete) {
            if (!LoadForQuickAccess()) {
                trayClick_ = false;
                ShowEditor();
                return;
            }
        }
        if (context_->locked && !Unlock()) return;
    }
    quickAccess_->Show(tray_->LastClickPoint());
}

bool CPasswordApp::LoadForQuickAccess() {
    CAppContext& c = *context_;
    if (c.store.filePath.empty()) return false;
    if (mainWindow_) {
        mainWindow_->Editor()->Files().Reload();
        mainWindow_->RefreshState();
    } else {
        c.store.folderHistory.clear();
        c.store.itemHistory.clear();
        c.file.Load(c.store);
        c.tree.BuildFrom(c.store);
    }
    quickAccess_->RebuildNow();
    return c.store.loadComplete;
}

void CPasswordApp::JumpToRecord(int folder, int record, int slot) {
    if (!mainWindow_) return;
    CMainWindow* window = mainWindow_;
    window->WhenLoaded(
        [window, folder, record, slot] { window->Editor()->JumpToRecord(folder, record, slot); });
}

void CPasswordApp::UpdateClipboardTimer() {
    const bool wanted = context_->settings.clearClipboard && context_->clipboard.IsPending();
    if (!wanted)
        clipboardTimer_.Stop();
    else if (!clipboardTimer_.IsRunning())
        clipboardTimer_.Start(kClipboardCheckPeriodMs);
}

void CPasswordApp::ShowEditor() {
    if (quitting_ || showingEditor_) return;
    const ScopedFlag showing(showingEditor_);
    if (context_->locked && !Unlock()) return;
    if (!mainWindow_) {
        mainWindow_ = new CMainWindow(*context_);
        mainWindow_->Editor()->selectPassword = [this](wxWindow* parent,
                                                       const SelectPasswordRequest& request) {
            return RunSelectPasswordDlg(parent, request, context_->settings.firstStart,
                                        context_->programFolder);
        };
        SetTopWindow(mainWindow_);
        mainWindow_->Show();
        mainWindow_->ScheduleFirstLoad();
    } else {
        mainWindow_->Show();
        mainWindow_->Iconize(false);
    }
    mainWindow_->Raise();
}

bool CPasswordApp::ExitWithPrompt(bool allowCancel) {
    // A file opened from the file manager while this copy still asks for its password, say:
    // ending now would destroy the windows under the dialog. It is cancelled, and the exit
    // comes back once its loop has returned (and any dialog that follows it has closed).
    if (modalDialogs_ && modalDialogs_->AnyOpen()) {
        modalDialogs_->CancelAll();
        exitAllowsCancel_ = allowCancel;
        exitRetry_.StartOnce(kExitRetryMs);
        return false;
    }
    if (mainWindow_) return mainWindow_->ExitProgram(allowCancel);
    Quit();
    return true;
}

void CPasswordApp::Lock() {
    if (mainWindow_) mainWindow_->Hide();
    quickAccess_->Hide();
    context_->locked = true;
    tray_->UpdateIcon();
}

bool CPasswordApp::Unlock() {
    // One password dialog at a time, however often the tray is clicked meanwhile.
    if (unlocking_) return false;
    const ScopedFlag asking(unlocking_);
    if (!UnlockDatabase(context_->locked, context_->store)) return false;
    tray_->UpdateIcon();
    return true;
}

void CPasswordApp::Quit() {
    if (quitting_) return;
    quitting_ = true;
    clipboardTimer_.Stop();
    // A password still waiting to be cleared does not outlive the program.
    if (context_->settings.clearClipboard) context_->clipboard.ClearNow();
    quickAccess_.reset();
    if (tray_) tray_->RemoveFromTray();
    if (mainWindow_) {
        mainWindow_->Destroy();
        mainWindow_ = nullptr;
    } else {
        // Never shown: the settings are still written at a normal end.
        context_->SaveSettings();
    }
    if (instance_) instance_->StopServer();
    ExitMainLoop();
}

int CPasswordApp::OnRun() {
    // Handing over to the running copy is this copy's whole job, and a successful one.
    if (handedOver_) return 0;
    return wxApp::OnRun();
}

int CPasswordApp::OnExit() {
    clipboardTimer_.Stop();
    quickAccess_.reset();
    CloseHelp();
    tray_.reset();
    instance_.reset();
    return wxApp::OnExit();
}

}  // namespace vk
