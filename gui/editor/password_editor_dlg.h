#pragma once
#include <wx/panel.h>

#include <functional>
#include <memory>

#include "core/editor/file_commands.h"

class wxHeaderCtrlSimple;
class wxSplitterWindow;
class wxStatusBar;
class wxTreeEvent;

namespace vk {

class CAppContext;
class CFolderTreeCtrl;

// The editor: the folder tree under its "Folders" header on the left, the records of the
// selected folder on the right. It carries out the file commands for the main window.
class CPasswordEditorDlg : public wxPanel, public IFileCommandHost {
  public:
    CPasswordEditorDlg(wxWindow* parent, CAppContext& context, wxStatusBar* statusBar);
    ~CPasswordEditorDlg() override;

    CFileCommands& Files() { return *files_; }
    CFolderTreeCtrl* Tree() { return tree_; }

    // The load of the editor's first appearance (welcome and new file on a first start).
    void RunFirstLoad();
    // Shows the selected folder's name and record count in the status line.
    void ShowSelectedFolder();
    // Called after every change of the file's state (title, indicator, menus).
    std::function<void()> onStoreStateChanged = [] {};
    // The select-password dialog, provided by the application.
    std::function<std::optional<SelectPasswordResult>(wxWindow*, const SelectPasswordRequest&)>
        selectPassword;

    // IFileCommandHost
    void CommitEdits() override;
    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSaveAsPath(const std::string& currentPath) override;
    std::optional<SelectPasswordResult> SelectPassword(const SelectPasswordRequest& r) override;
    void ShowWelcome() override;
    void ShowStatus(const std::string& text) override;
    void FolderTreeChanged() override;
    void StoreStateChanged() override;
    void SelectFirstFolder() override;
    void ResetUndo() override;

  private:
    void OnSelectionChanged(wxTreeEvent& event);

    CAppContext& context_;
    wxStatusBar* statusBar_;
    FileCommandSettings fileSettings_;
    std::unique_ptr<CFileCommands> files_;
    wxSplitterWindow* splitter_ = nullptr;
    wxHeaderCtrlSimple* header_ = nullptr;
    CFolderTreeCtrl* tree_ = nullptr;
    wxPanel* records_ = nullptr;
};

// Status bar panes the editor writes to.
constexpr int kStatusPaneFolder = 1;
constexpr int kStatusPaneColumns = 2;

}  // namespace vk
