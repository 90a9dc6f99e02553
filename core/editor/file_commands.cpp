#include "core/editor/file_commands.h"

#include "core/app/main_window_rules.h"
#include "core/editor/default_folders.h"
#include "core/editor/folder_tree.h"
#include "core/shell/file_names.h"
#include "core/shell/messages.h"
#include "core/shell/text_format.h"
#include "core/shell/user_prompt.h"
#include "core/store/file_system.h"
#include "core/store/password_file.h"

namespace vk {

CFileCommands::CFileCommands(CPasswordStore& store, CFolderTree& tree, CPasswordFile& file,
                             IUserPrompt& prompt, IFileSystem& fs, IFileCommandHost& host,
                             FileCommandSettings& settings)
    : store_(store),
      tree_(tree),
      file_(file),
      prompt_(prompt),
      fs_(fs),
      host_(host),
      settings_(settings) {}

SaveResult CFileCommands::Save(bool prompt, bool allowCancel) {
    if (!StoreCanBeSaved(store_)) return kSaveDone;
    host_.CommitEdits();
    if (prompt && !store_.modified) return kSaveDone;
    if (prompt) {
        const std::string question =
            FormatText(msg::kSaveChangesFormat, FileNamePart(store_.filePath).c_str());
        const MessageResult answer = prompt_.ShowMessage(
            question, allowCancel ? MessageButtons::kYesNoCancel : MessageButtons::kYesNo,
            MessageIcon::kQuestion);
        if (answer == MessageResult::kNo) {
            store_.modified = false;
            host_.StoreStateChanged();
            return kSaveDeclined;
        }
        if (answer == MessageResult::kCancel) return kSaveCancelled;
    }
    // A save that failed keeps the changes: callers must not go on as if they were stored.
    if (file_.Save(store_, tree_) != 1) {
        host_.StoreStateChanged();
        return kSaveFailed;
    }
    store_.modified = false;
    host_.ShowStatus(FormatText(msg::kFileSavedFormat, FileNamePart(store_.filePath).c_str()));
    host_.StoreStateChanged();
    return kSaveDone;
}

void CFileCommands::SaveAs() {
    auto path = host_.AskSaveAsPath(store_.filePath);
    if (!path) return;
    store_.filePath = *path;
    Save(false, false);
}

void CFileCommands::Open(const std::string* path) {
    std::string chosen;
    if (path) {
        chosen = *path;
    } else {
        auto picked = host_.AskOpenPath();
        if (!picked) {
            host_.StoreStateChanged();
            return;
        }
        chosen = *picked;
    }
    // The old file is saved under its own password before that password is let go.
    if (store_.modified) {
        const SaveResult saved = Save(true, false);
        if (saved == kSaveFailed || saved == kSaveCancelled) return;
    }
    store_.masterPassword.Clear();
    store_.filePath = chosen;
    if (settings_.addRecentFile) settings_.addRecentFile(chosen);
    Reload();
}

void CFileCommands::NewFile() {
    SelectPasswordRequest request;
    request.title = msg::kNewFileTitle;
    request.password = store_.masterPassword;
    request.reminder = store_.reminder;
    request.filePath = store_.filePath;
    request.protectionOn = store_.encrypted && !store_.masterPassword.empty();
    if (store_.filePath.empty() && !fs_.Exists(settings_.programFolderFile))
        request.filePath = settings_.programFolderFile;
    auto result = host_.SelectPassword(request);
    if (!result) return;

    if (store_.modified) {
        const SaveResult saved = Save(true, false);
        if (saved == kSaveFailed) return;
    }
    store_.modified = false;
    store_.filePath = result->filePath;
    store_.masterPassword = result->password;
    store_.reminder = result->reminder;
    store_.encrypted = result->protectionOn;

    const bool create = !result->openedExisting;
    if (create && file_.Create(store_) != 1) {
        // Nothing usable is open now: the old folders must not be saved under the new name.
        store_.folders.clear();
        store_.loadComplete = false;
        tree_.Clear();
        host_.FolderTreeChanged();
        host_.StoreStateChanged();
        return;
    }
    if (settings_.addRecentFile) settings_.addRecentFile(store_.filePath);
    Reload();
    if (create && result->createDefaultFolders && store_.loadComplete) {
        AddDefaultFolders(store_, tree_);
        host_.FolderTreeChanged();
        host_.SelectFirstFolder();
        host_.StoreStateChanged();
    }
}

void CFileCommands::Reload() {
    host_.ResetUndo();
    store_.folderHistory.clear();
    store_.itemHistory.clear();
    file_.Load(store_);
    tree_.BuildFrom(store_);
    host_.FolderTreeChanged();
    host_.StoreStateChanged();
}

void CFileCommands::FirstLoad() {
    const bool fileThere = !store_.filePath.empty() && fs_.Exists(store_.filePath);
    // The welcome announces the new-file dialog, so it shows only when one follows.
    if (settings_.firstStart && !fileThere) host_.ShowWelcome();
    if (fileThere) {
        if (store_.loadComplete) {
            tree_.BuildFrom(store_);
            host_.FolderTreeChanged();
            host_.StoreStateChanged();
        } else {
            Reload();
        }
    } else if (settings_.firstStart) {
        NewFile();
    } else {
        Open(nullptr);
    }
    settings_.firstStart = false;
}

bool CFileCommands::ChangeMasterPassword() {
    if (store_.filePath.empty()) return false;
    SelectPasswordRequest request;
    request.title = msg::kChangePasswordTitle;
    request.filePath = store_.filePath;
    request.password = store_.masterPassword;
    request.reminder = store_.reminder;
    request.changeMode = true;
    request.protectionOn = store_.encrypted && !store_.masterPassword.empty();
    auto result = host_.SelectPassword(request);
    if (!result) return false;
    store_.SetMasterPassword(result->password.view());
    store_.filePath = result->filePath;
    store_.reminder = result->reminder;
    store_.modified = true;
    host_.StoreStateChanged();
    return true;
}

}  // namespace vk
