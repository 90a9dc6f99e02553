#pragma once

// Window ids of the options sheet's controls, the numbers the program has always used. The
// ids that fall among the toolkit's stock ids (4999..5999) get their own instead: a button
// with a stock id would show the stock label or picture.
namespace vk::optid {

enum : int {
    // "Preferences"
    kAutosizeColumns = 4000,
    kClearClipboard = 4003,
    kSecondsSpin = 4004,
    kSecondsEdit = 4005,
    kMaskPasswords = 4008,
    kExpirationDays = 4010,
    kUseSkin = 1120,
    kAutoComplete = 6053,
    // "System tray"
    kShowTrayIcon = 1069,
    kStartWithSystem = 1088,
    kSendTab = 1112,
    kDoubleClickPastes = 6043,
    kTransparencySlider = 1082,
    kTransparencyLabel = 1083,
    kSolidLabel = 1084,
    kClearLabel = 1085,
    kTransparencyPercent = 1086,
    // "Column settings": the column boxes are 2000 + field
    kFirstColumnBox = 2000,
    kColumnsFrame = 3003,
    kRestoreCategory = 3004,
    kCategory1Button = 3023,
    kCategory2Button = 3024,
    kCategory4Button = 3025,
    kCategory3Button = 3026,
    kCategoryName = 6044,
    kDefaultCategory = 10630,
    // "Column names": the name edits are 2000 + field, the icon buttons 6000 + field
    kFirstNameEdit = 2000,
    kFirstIconButton = 6000,
    kPasswordIconMessage = 6040,
    kDateIconMessage = 6041,
    kIconPicker = 4023,
    kRestoreNames = 4024,
};

}  // namespace vk::optid
