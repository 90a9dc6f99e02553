#include "gui/app/main_toolbar.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include "core/app/command_ids.h"
#include "core/app/main_window_rules.h"
#include "core/shell/file_names.h"
#include "core/shell/text_rules.h"
#include "core/ui/toolbar_customization.h"
#include "gui/app/app_context.h"
#include "gui/app/command_table.h"
#include "gui/ui/component_art.h"
#include "gui/ui/customize_toolbar_dlg.h"
#include "gui/ui/menu_pictures.h"
#include "gui/ui/toolbar_ex.h"
#include "gui/ui/wx_text.h"

namespace vk {
namespace {

constexpr int kRecentShown = 5;

// The commands whose menu items show a picture, in the order of the menu-icon table.
constexpr int kMenuPictures[] = {
    cmd::kNewFile,      cmd::kOpenFile,
    cmd::kSave,         cmd::kMasterPassword,
    cmd::kOptions,      cmd::kReport,
    cmd::kExport,       cmd::kImport,
    cmd::kHelp,         cmd::kDeleteFolder,
    cmd::kDeleteItem,   cmd::kSearchFolders,
    cmd::kSearchItems,  cmd::kGeneratePassword,
    cmd::kAddFolder,    cmd::kAddSubfolder,
    cmd::kRenameFolder, cmd::kAddItem,
    cmd::kEditItem,     cmd::kCut,
    cmd::kCopy,         cmd::kPaste,
    cmd::kClear,        cmd::kUndoItems,
    cmd::kUndoFolders,  cmd::kSaveAs,
    cmd::kAbout,
};

}  // namespace

CMainToolbar::CMainToolbar(wxFrame& frame, const CCommandTable& commands, CAppContext& context)
    : frame_(frame), commands_(commands), context_(context) {
    layout_ = context_.settingsStore.LoadToolbarLayout().value_or(DefaultToolbarLayout());
    if (context_.settings.showToolbar) {
        // At creation the window takes its size from its client area afterwards.
        Build();
    }
    if (wxMenuBar* bar = frame_.GetMenuBar()) {
        AddMenuPictures(*bar);
        if (bar->FindItem(cmd::WxId(cmd::kShowToolbar)))
            bar->Check(cmd::WxId(cmd::kShowToolbar), IsShown());
    }
}

CMainToolbar::~CMainToolbar() {
    // The bar outlives this object by a little as the window goes: it asks nothing more.
    if (bar_) bar_->SetEvtHandlerEnabled(false);
}

bool CMainToolbar::IsPresent(int command) const {
    return commands_.Has(command);
}

bool CMainToolbar::IsEnabled(int command) const {
    return commands_.IsEnabled(command) &&
           (StoreCanBeSaved(context_.store) || !CommandNeedsSavableStore(command));
}

int CMainToolbar::BarHeight() const {
    return bar_ ? bar_->WantedHeight() : 0;
}

void CMainToolbar::Build() {
    if (!bar_) {
        bar_ = new CToolBarEx(&frame_, wxID_ANY);
        bar_->fillDropDown = [this](int, wxMenu& menu) {
            const auto& recent = context_.settings.recentFiles;
            for (int i = 0; i < kRecentShown && i < static_cast<int>(recent.size()); ++i) {
                menu.Append(
                    cmd::WxId(cmd::kRecentFirst) + i,
                    ToWx(MenuTextOfName(FileNamePart(recent[static_cast<std::size_t>(i)]))));
            }
            if (menu.GetMenuItemCount() == 0)
                menu.Append(wxID_ANY, "No recent files")->Enable(false);
        };
        bar_->Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) {
            // The bar asks for itself too: only its buttons follow their commands.
            if (event.GetId() == bar_->GetId() || !bar_->FindById(event.GetId())) {
                event.Skip();
                return;
            }
            event.Enable(IsEnabled(cmd::CommandOf(event.GetId())));
        });
        bar_->onContextMenu = [this] { OnRightClick(); };
        frame_.SetToolBar(bar_);
    }
    bar_->Build(layout_, [this](int command) { return IsPresent(command); });
    bar_->UpdateWindowUI();
}

void CMainToolbar::KeepClientSize(int before) {
    const int delta = BarHeight() - before;
    frame_.SendSizeEvent();
    if (delta == 0) return;
    const wxSize minimum = frame_.GetMinSize();
    if (minimum.IsFullySpecified()) frame_.SetMinSize(wxSize(minimum.x, minimum.y + delta));
    const wxSize size = frame_.GetSize();
    frame_.SetSize(size.x, size.y + delta);
}

void CMainToolbar::SetShown(bool shown) {
    context_.settings.showToolbar = shown;
    if (shown != IsShown()) {
        const int before = BarHeight();
        if (shown) {
            Build();
        } else {
            frame_.SetToolBar(nullptr);
            // The bar may be handling the click that hid it: it goes once that is over.
            bar_->Hide();
            bar_->SetEvtHandlerEnabled(false);
            wxTheApp->ScheduleForDestruction(bar_);
            bar_ = nullptr;
        }
        KeepClientSize(before);
    }
    if (wxMenuBar* bar = frame_.GetMenuBar())
        if (bar->FindItem(cmd::WxId(cmd::kShowToolbar)))
            bar->Check(cmd::WxId(cmd::kShowToolbar), shown);
}

void CMainToolbar::Apply(const ToolbarLayout& layout) {
    layout_ = layout;
    if (!bar_) return;
    const int before = BarHeight();
    Build();
    KeepClientSize(before);
}

void CMainToolbar::Customize() {
    CToolbarCustomization edit(layout_, [this](int command) { return IsPresent(command); });
    CCustomizeDialog dialog(&frame_, edit, [this](const ToolbarLayout& shown, bool closing) {
        ToolbarLayout next = shown;
        // The icon size changes only as the dialog closes.
        if (!closing) next.iconOption = layout_.iconOption;
        if (!(next == layout_)) Apply(next);
    });
    dialog.ShowModal();
    context_.settingsStore.SaveToolbarLayout(layout_);
}

void CMainToolbar::OnRightClick() {
    if (!bar_ || bar_->GetToolsCount() == 0) return;
    wxMenu menu;
    menu.AppendCheckItem(cmd::WxId(cmd::kShowToolbar), "&Toolbar")->Check(true);
    menu.AppendSeparator();
    menu.Append(cmd::WxId(cmd::kCustomizeToolbar), "&Customize...");
    // The choice goes to the main window like a menu command; it may remove the bar.
    frame_.PopupMenu(&menu);
}

void CMainToolbar::AddMenuPictures(wxMenuBar& bar) const {
    for (int command : kMenuPictures) {
        wxMenu* menu = nullptr;
        wxMenuItem* item = bar.FindItem(cmd::WxId(command), &menu);
        if (!item || !menu || item->IsCheckable()) continue;
        SetMenuItemPicture(*menu, *item, art::CommandBitmap(command, 16));
    }
}

}  // namespace vk
