#pragma once
#include <wx/app.h>
#include <wx/timer.h>

#include <memory>

namespace vk {

class CAppContext;
class CMainWindow;
class CTrayIconWnd;
class CSingleInstance;
class CWxConfigStorage;
class CPosixFileSystem;
class CGuiUserPrompt;
class CWxDateFormat;
class CWxClipboard;
class CSteadyClock;
class CQuickAccess;
class CModalDialogs;

// The one application object: starts the program, owns the open file, the settings, the
// tray icon and the main window, and ends the program on every path.
class CPasswordApp : public wxApp {
  public:
    CPasswordApp();
    ~CPasswordApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // Makes the editor visible and in front, asking for the master password when locked.
    void ShowEditor();
    // The tray's "E&xit" and a second copy's hand-over: offer to save, then end.
    bool ExitWithPrompt(bool allowCancel);
    void Lock();
    bool Unlock();

  private:
    bool HandOverToRunningCopy(const std::string& arguments);
    void FirstStart();
    void MakeTray();
    void Quit();
    void OnTrayOpen();
    // Loads the file named by the store's path for a click on the tray icon.
    bool LoadForQuickAccess();
    void JumpToRecord(int folder, int record, int slot);
    // The check runs every second while a copy waits to be cleared.
    void UpdateClipboardTimer();

    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CWxConfigStorage> configStorage_;
    std::unique_ptr<CPosixFileSystem> fs_;
    std::unique_ptr<CGuiUserPrompt> prompt_;
    std::unique_ptr<CWxDateFormat> dates_;
    std::unique_ptr<CWxClipboard> clipboard_;
    std::unique_ptr<CSteadyClock> clock_;
    std::unique_ptr<CAppContext> context_;
    std::unique_ptr<CTrayIconWnd> tray_;
    std::unique_ptr<CQuickAccess> quickAccess_;
    std::unique_ptr<CModalDialogs> modalDialogs_;
    wxTimer exitRetry_;  // an exit that waits for modal dialogs to close
    bool exitAllowsCancel_ = false;
    CMainWindow* mainWindow_ = nullptr;
    wxTimer clipboardTimer_;
    bool quitting_ = false;
    bool handedOver_ = false;     // a running copy took over: end without a window
    bool showingEditor_ = false;  // guards against a second click while one is handled
    bool unlocking_ = false;      // the master password is being asked for
    bool trayClick_ = false;      // a click on the tray icon is being handled
};

}  // namespace vk

wxDECLARE_APP(vk::CPasswordApp);
