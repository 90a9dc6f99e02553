#include "gui/app/component_commands.h"

#include "core/app/command_ids.h"
#include "core/settings/profile_file.h"
#include "core/ui/version_info.h"
#include "gui/app/about_dlg.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/app/main_toolbar.h"
#include "gui/app/main_window.h"
#include "gui/app/tip_dlg.h"
#include "gui/ui/help_book.h"
#include "platform/wx/launcher.h"

namespace vk {

void AddComponentCommands(CCommandTable& commands, CAppContext& context, CMainWindow& window) {
    CAppContext* c = &context;
    CMainWindow* w = &window;
    commands.Add(cmd::kHelp, [] { ShowCurrentHelp(); });
    commands.Add(cmd::kTipOfTheDay, [c, w] {
        CProfileFile profile(c->fs, c->prompt, c->programFolder);
        CTipDialog tip(w, profile);
        tip.ShowModal();
    });
    commands.Add(cmd::kSupportOnline, [c] { LaunchText(kProgramWebPage, c->prompt); });
    commands.Add(cmd::kAbout, [w] {
        CAboutDlg about(w);
        about.ShowModal();
    });
    commands.Add(cmd::kShowToolbar, [w] {
        if (CMainToolbar* toolbar = w->Toolbar()) toolbar->SetShown(!toolbar->IsShown());
    });
    commands.Add(cmd::kCustomizeToolbar, [w] {
        CMainToolbar* toolbar = w->Toolbar();
        if (!toolbar) return;
        // Changes show as they are made.
        toolbar->SetShown(true);
        toolbar->Customize();
    });
}

void ShowStartupTip(CMainWindow& window, CAppContext& context) {
    CProfileFile profile(context.fs, context.prompt, context.programFolder);
    ShowTipAtStartup(&window, profile);
}

}  // namespace vk
