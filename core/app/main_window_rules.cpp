#include "core/app/main_window_rules.h"

#include <algorithm>

#include "core/app/command_ids.h"
#include "core/shell/file_names.h"
#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "core/store/password_store.h"

namespace vk {

bool StoreCanBeSaved(const CPasswordStore& store) {
    return !store.filePath.empty() && store.loadComplete;
}

bool CommandNeedsSavableStore(int command) {
    switch (command) {
        case cmd::kSave:
        case cmd::kSaveAs:
        case cmd::kMasterPassword:
        case cmd::kReport:
        case cmd::kExport:
        case cmd::kImport:
        case cmd::kDeleteFolder:
        case cmd::kSearchFolders:
        case cmd::kRenameFolder:
        case cmd::kAddFolder:
        case cmd::kAddSubfolder:
        case cmd::kAddItem:
        case cmd::kDeleteItem:
        case cmd::kEditItem:
        case cmd::kSearchItems:
        case cmd::kGeneratePasswordCell:  // the Tools menu's generator (1020) needs no file
            return true;
        default:
            return false;
    }
}

std::string MainWindowTitle(const CPasswordStore& store) {
    const std::string name =
        StoreCanBeSaved(store) ? FileNamePart(store.filePath) : std::string(msg::kNoFileSelected);
    return FormatText(msg::kMainTitleFormat, name.c_str(), msg::kProgramName);
}

WindowRect ClampToWorkArea(const WindowRect& rect, const WindowRect& area) {
    WindowRect r = rect;
    r.left = std::max(r.left, area.left);
    r.top = std::max(r.top, area.top);
    r.right = std::min(r.right, area.right);
    r.bottom = std::min(r.bottom, area.bottom);
    return r;
}

}  // namespace vk
