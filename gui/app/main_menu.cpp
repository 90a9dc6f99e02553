#include "gui/app/main_menu.h"

#include <wx/menu.h>

#include <vector>

#include "core/app/command_ids.h"
#include "gui/app/command_table.h"

namespace vk {
namespace {

// What a row of the menu table stands for besides a plain command.
enum class Row { kCommand, kCheck, kSeparator, kRecentFiles, kSetColumns };

struct Item {
    Row row;
    int command;
    const char* text;
};

struct Menu {
    const char* title;
    std::vector<Item> items;
};

// Keys the editor handles itself (Insert, Enter, Delete, F2, Ctrl+Z) are not menu
// accelerators: as accelerators they would take those keys from every edit box.
const std::vector<Menu>& MenuTable() {
    static const std::vector<Menu> kMenus = {
        {"&File",
         {{Row::kCommand, cmd::kNewFile, "&New...\tCtrl+N"},
          {Row::kCommand, cmd::kOpenFile, "&Open...\tCtrl+O"},
          {Row::kCommand, cmd::kSave, "&Save\tCtrl+S"},
          {Row::kCommand, cmd::kSaveAs, "Save &as..."},
          {Row::kSeparator, 0, nullptr},
          {Row::kCommand, cmd::kImport, "&Import..."},
          {Row::kCommand, cmd::kExport, "&Export..."},
          {Row::kCommand, cmd::kReport, "&Report..."},
          {Row::kSeparator, 0, nullptr},
          {Row::kRecentFiles, 0, "&Recent files"},
          {Row::kSeparator, 0, nullptr},
          {Row::kCommand, cmd::kExit, "E&xit"}}},
        {"F&olders",
         {{Row::kCommand, cmd::kAddFolder, "&Add"},
          {Row::kCommand, cmd::kAddSubfolder, "Add &subfolder"},
          {Row::kCommand, cmd::kRenameFolder, "&Rename"},
          {Row::kCommand, cmd::kDeleteFolder, "&Delete"},
          {Row::kCommand, cmd::kSearchFolders, "&Search"},
          {Row::kSeparator, 0, nullptr},
          {Row::kSetColumns, cmd::kSetColumnsFirst, "Set &columns"},
          {Row::kCommand, cmd::kCollapseAll, "&Collapse all"},
          {Row::kCommand, cmd::kExpandAll, "&Expand all"},
          {Row::kSeparator, 0, nullptr},
          {Row::kCommand, cmd::kUndoFolders, "&Undo"}}},
        {"&Items",
         {{Row::kCommand, cmd::kAddItem, "&Add"},
          {Row::kCommand, cmd::kEditItem, "&Edit"},
          {Row::kCommand, cmd::kDeleteItem, "De&lete"},
          {Row::kCommand, cmd::kSearchItems, "Searc&h"},
          {Row::kSeparator, 0, nullptr},
          {Row::kCommand, cmd::kUndoItems, "&Undo"}}},
        {"&Tools",
         {{Row::kCommand, cmd::kGeneratePassword, "&Generate password..."},
          {Row::kCommand, cmd::kMasterPassword, "&Master password..."},
          {Row::kCommand, cmd::kOptions, "&Options..."},
          {Row::kSeparator, 0, nullptr},
          {Row::kCheck, cmd::kShowToolbar, "&Toolbar"},
          {Row::kCommand, cmd::kCustomizeToolbar, "C&ustomize toolbar..."}}},
        {"&Help",
         {{Row::kCommand, cmd::kHelp, "&Help\tF1"},
          {Row::kCommand, cmd::kTipOfTheDay, "Tip of the &day"},
          {Row::kCommand, cmd::kSupportOnline, "&Support online..."},
          {Row::kSeparator, 0, nullptr},
          {Row::kCommand, cmd::kAbout, "&About"}}},
    };
    return kMenus;
}

// Separators only between shown items: none first, last or twice in a row.
void AppendSeparator(wxMenu* menu, bool& pending) {
    if (menu->GetMenuItemCount() > 0) pending = true;
}

void FlushSeparator(wxMenu* menu, bool& pending) {
    if (pending) menu->AppendSeparator();
    pending = false;
}

}  // namespace

MainMenu BuildMainMenu(const CCommandTable& commands) {
    MainMenu result;
    result.bar = new wxMenuBar;
    for (const Menu& entry : MenuTable()) {
        auto* menu = new wxMenu;
        bool separator = false;
        for (const Item& item : entry.items) {
            switch (item.row) {
                case Row::kSeparator:
                    AppendSeparator(menu, separator);
                    break;
                case Row::kRecentFiles:
                    FlushSeparator(menu, separator);
                    result.recentFiles = new wxMenu;
                    result.recentFilesItem = menu->AppendSubMenu(result.recentFiles, item.text);
                    break;
                case Row::kSetColumns:
                    if (!commands.Has(cmd::kSetColumnsFirst)) break;
                    FlushSeparator(menu, separator);
                    result.setColumns = new wxMenu;
                    for (int c = cmd::kSetColumnsFirst; c <= cmd::kSetColumnsLast; ++c)
                        result.setColumns->AppendCheckItem(cmd::WxId(c), " ");
                    result.setColumnsItem = menu->AppendSubMenu(result.setColumns, item.text);
                    break;
                case Row::kCommand:
                case Row::kCheck:
                    if (!commands.Has(item.command)) break;
                    FlushSeparator(menu, separator);
                    if (item.row == Row::kCheck)
                        menu->AppendCheckItem(cmd::WxId(item.command), item.text);
                    else
                        menu->Append(cmd::WxId(item.command), item.text);
                    break;
            }
        }
        if (menu->GetMenuItemCount() == 0) {
            delete menu;
            continue;
        }
        if (entry.items.front().command == cmd::kNewFile) result.file = menu;
        result.bar->Append(menu, entry.title);
    }
    return result;
}

const std::vector<int>& MainMenuCommands() {
    static const std::vector<int> kCommands = [] {
        std::vector<int> all;
        for (const Menu& menu : MenuTable())
            for (const Item& item : menu.items)
                if (item.row == Row::kCommand || item.row == Row::kCheck)
                    all.push_back(item.command);
        for (int c = cmd::kSetColumnsFirst; c <= cmd::kSetColumnsLast; ++c) all.push_back(c);
        return all;
    }();
    return kCommands;
}

}  // namespace vk
