#pragma once

// Window ids of the password dialogs' controls, the numbers the program has always used.
// The icon (5042) and "&Open..." (5054) fall among the toolkit's stock ids and get their
// own ids instead.
namespace vk::dlgid {

enum : int {
    kConfirmationEdit = 1006,
    kReminderEdit = 1013,
    kFileNameEdit = 1014,
    kBrowseButton = 1065,  // "Browse..." of the enter dialog, "..." of the select dialog
    kCreateDefaultFolders = 1067,
    kPasswordEdit = 1068,
    kEnableProtection = 1121,
    kPromptText = 1125,
    kStatusText = 1126,
    kReminderText = 1127,
    kKeyPicture = 1128,
    kIcon = 1142,
    kOpenExistingButton = 1154,
};

}  // namespace vk::dlgid
