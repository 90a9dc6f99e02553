#include "core/ui/tips.h"

#include <cstddef>

namespace vk {

const std::vector<std::string>& TipTexts() {
    static const std::vector<std::string> kTips = {
        "Vaultkeep lets you securely store virtually any type of information -- such as, \\i "
        "passwords, email addresses, personal notes, and Web links\\i0 . You can easily organize "
        "this data into folders for quick retrieval.\\par  \\par Create new folders by selecting "
        "the \\i Folders | Add \\i0  menu option.  You can also create sub-folders using the "
        "\\i Folders | Add\\i0  sub-folder option.",
        "Vaultkeep protects your data using \\b military-strength \\b0 encryption.\\par  \\par To "
        "enable encryption, enter a password using the \\i Tools | Master Password \\i0  dialog.",
        "Vaultkeep's system tray dialog allows you to \\i Paste \\i0  data directly into another "
        "application such as your web browser.\\par  \\par Use the Paste feature to automatically "
        "enter passwords and other information while online.",
        "You can open Vaultkeep's datafiles from your file manager by double clicking any file "
        "that has a .VK extension.",
        "Organize your Vaultkeep folders using drag-n-drop.\\par  \\par Just highlight the folder "
        "you wish to move and then drag the folder to a new location.  ",
        "If you have created password information using another utility you may be able to use "
        "the \\i File | Import \\i0  menu option to load the data into Vaultkeep.\\par  \\par "
        "Please refer to the Help file for more information. ",
        "Organize your password information into different folders using drag-n-drop.\\par  "
        "\\par Select multiple entries by holding down the SHIFT or CTRL keys and then drag them "
        "to a new folder. Use the right mouse button to select copy and move operations.",
        "The floppy disk icon in lower left corner of Vaultkeep's status bar changes to blue when "
        "your file needs to be saved.",
        "Vaultkeep contains 5 levels of Undo information.\\par \\par Just right click your mouse "
        "on any folder or the grid and select the Undo option.",
    };
    return kTips;
}

const std::string& CTipCursor::Next() {
    const auto count = static_cast<std::int64_t>(TipTexts().size());
    if (position_ < 0 || position_ >= count) position_ = 0;
    return TipTexts()[static_cast<std::size_t>(position_++)];
}

std::uint32_t CTipCursor::Position() const {
    const auto count = static_cast<std::int64_t>(TipTexts().size());
    return position_ < 0 || position_ > count ? 0 : static_cast<std::uint32_t>(position_);
}

}  // namespace vk
