#pragma once

// Command identifiers of menus, accelerators and buttons. They are the program's own
// numbers, shared by the main menu, the tray menu, the toolbar and the editor.
namespace vk::cmd {

enum : int {
    kCloseEditor = 8,
    kHelp = 9,
    kOpenEditor = 1076,
    kOptions = 1017,
    kReport = 1019,
    kGeneratePassword = 1020,
    kGeneratePasswordCell = 1032,
    kDeleteFolder = 1007,
    kSearchFolders = 1008,
    kRenameFolder = 1009,
    kAddFolder = 1010,
    kAddSubfolder = 1124,
    kAddItem = 1028,
    kDeleteItem = 1029,
    kEditItem = 1030,
    kSearchItems = 1031,
    kLaunchUrl = 1033,
    kSendEmail = 1034,
    kExportButton = 1113,
    kImportButton = 3034,
    kSave = 32778,
    kOpenFile = 32779,
    kNewFile = 32786,
    kTrayOpen = 32787,
    kSaveAs = 32789,
    kCut = 32790,
    kCopy = 32791,
    kPaste = 32792,
    kClear = 32793,
    kExit = 32799,
    kAbout = 32802,
    kShowToolbar = 32804,
    kMasterPassword = 32805,
    kSupportOnline = 32807,
    kSetColumnsFirst = 32808,  // .. 32811, categories 1 to 4
    kSetColumnsLast = 32811,
    kExport = 32814,
    kImport = 32815,
    kCollapseAll = 32817,
    kExpandAll = 32818,
    kDropCopy = 32819,
    kLockDatabase = 32824,
    kRecentFirst = 32825,  // .. 32829
    kRecentLast = 32829,
    kTipOfTheDay = 32836,
    kUndoItems = 32837,
    kDropMove = 32838,
    kUndoFolders = 32839,
    kCustomizeToolbar = 32840,
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
