#include "gui/app/tray_icon_wnd.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "core/shell/messages.h"
#include "gui/ui/artwork.h"

namespace vk {
namespace {

// A modal dialog runs its own event loop and disables every other window, the tray's own
// hidden one included: a command chosen from the tray menu then never arrives.
bool ModalDialogRunning() {
    const wxEventLoopBase* active = wxEventLoopBase::GetActive();
    return active && wxTheApp && active != wxTheApp->GetMainLoop();
}

// The dialog a modal loop waits on is brought to the front, so a click on the icon shows the
// user what has to be answered first.
void RaiseModalDialog() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* dialog = wxDynamicCast(window, wxDialog);
        if (dialog && dialog->IsModal()) {
            dialog->Raise();
            return;
        }
    }
}

}  // namespace

CTrayIconWnd::CTrayIconWnd(Actions actions) : actions_(std::move(actions)) {
    // GTK reports a left click on the icon as a button press.
    Bind(wxEVT_TASKBAR_LEFT_DOWN, [this](wxTaskBarIconEvent&) {
        lastClick_ = wxGetMousePosition();
        if (ModalDialogRunning())
            RaiseModalDialog();
        else if (actions_.open)
            actions_.open();
    });
    Bind(wxEVT_TASKBAR_RIGHT_DOWN, [this](wxTaskBarIconEvent& e) {
        lastClick_ = wxGetMousePosition();
        menuOpen_ = true;
        e.Skip();
    });
    Bind(wxEVT_MENU, &CTrayIconWnd::OnMenu, this);
}

CTrayIconWnd::~CTrayIconWnd() {
    RemoveFromTray();
}

bool CTrayIconWnd::AddIcon() {
    if (!IsAvailable()) return false;
    const bool locked = actions_.isLocked && actions_.isLocked();
    shown_ = SetIcon(locked ? art::LockIcon(16) : art::ProgramIcon(16), msg::kProgramName);
    return shown_;
}

void CTrayIconWnd::UpdateIcon() {
    if (shown_) AddIcon();
}

void CTrayIconWnd::RemoveFromTray() {
    if (shown_) wxTaskBarIcon::RemoveIcon();
    shown_ = false;
}

wxMenu* CTrayIconWnd::BuildMenu() {
    auto* menu = new wxMenu;
    menu->Append(cmd::WxId(cmd::kTrayOpen), "&Open");
    menu->Append(cmd::WxId(cmd::kOpenEditor), "Open &editor");
    const bool locked = actions_.isLocked && actions_.isLocked();
    wxMenuItem* lock = menu->AppendCheckItem(cmd::WxId(cmd::kLockDatabase),
                                             locked ? "Unlock database" : "&Lock database");
    lock->Enable(actions_.canLock && actions_.canLock());
    if (lock->IsEnabled()) lock->Check(locked);
    menu->AppendSeparator();
    if (actions_.help) menu->Append(cmd::WxId(cmd::kHelp), "&Help");
    menu->Append(cmd::WxId(cmd::kAbout), "&About");
    menu->AppendSeparator();
    menu->Append(cmd::WxId(cmd::kExit), "E&xit");
    if (ModalDialogRunning()) {
        // Gray rather than offer commands that would be lost; the dialog is finished first.
        for (wxMenuItem* item : menu->GetMenuItems())
            if (!item->IsSeparator()) item->Enable(false);
    }
    return menu;
}

wxMenu* CTrayIconWnd::CreatePopupMenu() {
    lastClick_ = wxGetMousePosition();
    menuOpen_ = true;
    wxMenu* menu = BuildMenu();
    menu->Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& e) {
        menuOpen_ = false;
        e.Skip();
    });
    return menu;
}

void CTrayIconWnd::OnMenu(wxCommandEvent& event) {
    menuOpen_ = false;
    auto run = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (cmd::CommandOf(event.GetId())) {
        case cmd::kTrayOpen:
            run(actions_.open);
            break;
        case cmd::kOpenEditor:
            run(actions_.openEditor);
            break;
        case cmd::kLockDatabase:
            run(actions_.toggleLock);
            break;
        case cmd::kHelp:
            run(actions_.help);
            break;
        case cmd::kAbout:
            run(actions_.about);
            break;
        case cmd::kExit:
            run(actions_.exit);
            break;
        default:
            event.Skip();
    }
}

}  // namespace vk
