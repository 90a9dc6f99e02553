#include "gui/quickaccess/quick_access.h"

#include "core/quickaccess/paste_to_application.h"
#include "gui/app/app_context.h"
#include "gui/quickaccess/quick_access_dlg.h"
#include "platform/wx/launcher.h"
#include "platform/x11_desktop_windows.h"
#include "platform/x11_key_typer.h"

namespace vk {

CQuickAccess::CQuickAccess(CAppContext& context, std::function<void()> showEditor,
                           std::function<bool()> trayMenuOpen)
    : context_(context),
      showEditor_(std::move(showEditor)),
      trayMenuOpen_(std::move(trayMenuOpen)),
      desktop_(std::make_unique<CX11DesktopWindows>()),
      typer_(std::make_unique<CX11KeyTyper>()),
      paste_(std::make_unique<CPasteToApplication>(*desktop_, *typer_, context.clipboard,
                                                   context.prompt)) {}

CQuickAccess::~CQuickAccess() {
    if (dialog_) dialog_->Destroy();
}

void CQuickAccess::Show(const wxPoint& clickPoint) {
    if (!dialog_) {
        QuickAccessServices services;
        services.paste = paste_.get();
        services.desktop = desktop_.get();
        services.trayMenuOpen = trayMenuOpen_;
        services.showEditor = showEditor_;
        services.launch = [this](const std::string& text) { LaunchText(text, context_.prompt); };
        dialog_ = new CQuickAccessDlg(context_, std::move(services));
        // Placed once, beside the panel the click came from; afterwards the user may move it.
        std::optional<ScreenRect> dock;
        if (clickPoint != wxDefaultPosition)
            dock = desktop_->TopLevelRectAt({clickPoint.x, clickPoint.y});
        dialog_->PlaceBeside(dock);
    }
    dialog_->ShowInFront();
}

void CQuickAccess::Hide() {
    if (dialog_) dialog_->HideDialog();
}

void CQuickAccess::RequestRefresh() {
    if (dialog_) dialog_->RequestRefresh();
}

void CQuickAccess::RebuildNow() {
    if (dialog_) dialog_->RebuildNow();
}

void CQuickAccess::ApplyTransparency() {
    if (dialog_) dialog_->ApplyTransparency();
}

void CQuickAccess::ApplySkin() {
    if (dialog_) dialog_->ApplySkin();
}

}  // namespace vk
