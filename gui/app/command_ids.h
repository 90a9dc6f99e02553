#pragma once

// Command identifiers of menus, accelerators and buttons. They are the program's own
// numbers, shared by the main menu, the tray menu and the editor.
namespace vk::cmd {

enum : int {
    kCloseEditor = 8,
    kHelp = 9,
    kOpenEditor = 1076,
    kOpenFile = 32779,
    kSave = 32778,
    kNewFile = 32786,
    kTrayOpen = 32787,
    kSaveAs = 32789,
    kExit = 32799,
    kAbout = 32802,
    kMasterPassword = 32805,
    kCollapseAll = 32817,
    kExpandAll = 32818,
    kLockDatabase = 32824,
    kRecentFirst = 32825,  // .. 32829
    kRecentLast = 32829,
};

// The toolkit takes item identifiers below 0x7FFF only: the program's numbers from 32768 on
// are shifted down into free space for the toolkit and back for the program.
constexpr int kWxShift = 20000;
constexpr int WxId(int command) {
    return command >= 0x7FFF ? command - kWxShift : command;
}
constexpr int CommandOf(int wxId) {
    return wxId >= 0x7FFF - kWxShift && wxId < 0x7FFF - kWxShift + 2000 ? wxId + kWxShift : wxId;
}

}  // namespace vk::cmd
