#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/store/secret_string.h"

namespace vk {

class CPasswordStore;
class CFolderTree;
class CPasswordFile;
class IUserPrompt;
class IFileSystem;

// What the select-password dialog is opened with and hands back.
struct SelectPasswordRequest {
    std::string title;  // "New file" or "Change password"
    std::string filePath;
    SecretString password;
    std::string reminder;
    bool changeMode = false;
    bool protectionOn = true;  // the protection box starts checked
};

struct SelectPasswordResult {
    std::string filePath;
    SecretString password;  // empty when protection is off
    std::string reminder;
    bool protectionOn = true;
    bool createDefaultFolders = false;
    bool openedExisting = false;
};

// The windows the file commands need. The GUI implements it with its dialogs and views;
// tests with a script.
class IFileCommandHost {
  public:
    virtual ~IFileCommandHost() = default;
    // Finishes an open cell edit and stores the edit boxes into the selected record.
    virtual void CommitEdits() = 0;
    // The open-file picker; nothing on Cancel.
    virtual std::optional<std::string> AskOpenPath() = 0;
    // The "Save as" picker, starting at the current path; nothing on Cancel.
    virtual std::optional<std::string> AskSaveAsPath(const std::string& currentPath) = 0;
    // The select-password dialog; nothing on Cancel.
    virtual std::optional<SelectPasswordResult> SelectPassword(const SelectPasswordRequest& r) = 0;
    virtual void ShowWelcome() = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    // The folder tree model was rebuilt or changed: show it again, refresh quick access.
    virtual void FolderTreeChanged() = 0;
    // After a load or save: title, enabling, modified indicator.
    virtual void StoreStateChanged() = 0;
    // The default folders were added: make row 0, column 0 of the first folder current.
    virtual void SelectFirstFolder() = 0;
    // Before a load: forget every undo step.
    virtual void ResetUndo() = 0;
};

// What the file commands read from and write to the settings.
struct FileCommandSettings {
    bool firstStart = false;
    std::string programFolderFile;  // the default "Vaultkeep.vk" in the program's folder
    std::function<void(const std::string&)> addRecentFile;
};

// The save results callers act on.
enum SaveResult : int {
    kSaveFailed = 0,  // the file could not be written; the changes stay in memory
    kSaveDone = 1,    // saved, or nothing had to be saved
    kSaveCancelled = 2,
    kSaveDeclined = 7,  // the user answered No
};

// Save, Save as, Open, New file, Reload and First load of the editor.
class CFileCommands {
  public:
    CFileCommands(CPasswordStore& store, CFolderTree& tree, CPasswordFile& file,
                  IUserPrompt& prompt, IFileSystem& fs, IFileCommandHost& host,
                  FileCommandSettings& settings);

    SaveResult Save(bool prompt, bool allowCancel);
    void SaveAs();
    // With no path the user is asked for one.
    void Open(const std::string* path);
    void NewFile();
    void Reload();
    void FirstLoad();
    // The "Master password..." command: false when cancelled.
    bool ChangeMasterPassword();

  private:
    CPasswordStore& store_;
    CFolderTree& tree_;
    CPasswordFile& file_;
    IUserPrompt& prompt_;
    IFileSystem& fs_;
    IFileCommandHost& host_;
    FileCommandSettings& settings_;
};

}  // namespace vk
