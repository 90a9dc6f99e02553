#pragma once
#include <vector>

class wxMenu;
class wxMenuItem;
class wxMenuBar;

namespace vk {

class CCommandTable;

// The main menu. Only commands present in the command table are shown, so no item does
// nothing; menus left without items are not shown at all.
struct MainMenu {
    wxMenuBar* bar = nullptr;
    wxMenu* file = nullptr;
    wxMenu* recentFiles = nullptr;          // refilled each time a menu opens
    wxMenuItem* recentFilesItem = nullptr;  // grayed while the list is empty
    wxMenu* setColumns = nullptr;           // "Set &columns": categories 1 to 4, named when shown
    wxMenuItem* setColumnsItem = nullptr;   // grayed while no category can be set
};

MainMenu BuildMainMenu(const CCommandTable& commands);

// Every command the main menu may hold, in menu order (for enabling them).
const std::vector<int>& MainMenuCommands();

}  // namespace vk
