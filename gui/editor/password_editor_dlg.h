#pragma once
#include <wx/panel.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/editor/auto_complete.h"
#include "core/editor/cell_keys.h"
#include "core/editor/editor_rules.h"
#include "core/editor/editor_state.h"
#include "core/editor/file_commands.h"
#include "core/editor/folder_operations.h"
#include "core/editor/folder_tree.h"
#include "core/editor/record_columns.h"
#include "core/editor/record_operations.h"
#include "core/editor/search_history.h"
#include "core/shell/clock.h"
#include "gui/editor/record_list_ctrl.h"
#include "gui/ui/wx_date_format.h"

class wxHeaderCtrlEvent;
class wxHeaderCtrlSimple;
class wxMenu;
class wxSplitterEvent;
class wxSplitterWindow;
class wxStatusBar;
class wxTreeEvent;
class wxTreeItemId;

namespace vk {

class CAppContext;
class CCellEditors;
class CSearchDlg;
class CSkinButton;
class CCommandTable;
class CFieldBoxes;
class CFolderTreeCtrl;
class CRecordGridTable;

// "ListCtrlMsg ": what the grid and the editor hand over as ordinary events. The event's
// number says what: commit a cell edit (0), focus the grid (1), the data changed (2).
wxDECLARE_EVENT(EVT_LIST_CTRL_MSG, wxCommandEvent);
enum ListCtrlMsg : int { kCommitEdit = 0, kFocusGrid = 1, kDataChanged = 2 };

// The editor: the folder tree under its "Folders" header on the left, the records of the
// selected folder in a grid on the right, the URL, Email and Notes boxes below it, and two
// rows of image buttons. It carries out the file commands for the main window.
class CPasswordEditorDlg : public wxPanel, public IFileCommandHost, public IRecordListHost {
  public:
    CPasswordEditorDlg(wxWindow* parent, CAppContext& context, wxStatusBar* statusBar);
    ~CPasswordEditorDlg() override;

    CFileCommands& Files() { return *files_; }
    CFolderTreeCtrl* Tree() { return tree_; }
    CRecordListCtrl* Grid() { return grid_; }
    CFieldBoxes* Boxes() { return boxes_; }
    wxHeaderCtrlSimple* FoldersHeader() { return header_; }
    wxSplitterWindow* FolderSplitter() { return folderSplit_; }
    wxSplitterWindow* RecordSplitter() { return recordSplit_; }
    CSkinButton* Button(int command);
    const CEditorState& State() const { return state_; }
    const CAutoCompleteList& Completions() const { return completions_; }
    // The clock that decides which dates have passed.
    void SetCalendar(std::unique_ptr<IDateClock> calendar) { calendar_ = std::move(calendar); }

    // Puts the editor's commands into the main window's table; the buttons and the editor's
    // menus run them from there.
    void AddCommands(CCommandTable& commands);

    // The load of the editor's first appearance (welcome and new file on a first start).
    void RunFirstLoad();
    // Shows the selected folder again: records sorted, first cell current, status filled.
    void ShowSelectedFolder();
    // Shows the selected folder keeping the current cell where it still exists.
    void ShowSelectedFolderKeepingCell();
    // Makes (row, column) the current cell; false when it lies outside the grid.
    bool MoveToCell(int row, int column);
    // A click on a column header or on the "Folders" header.
    void SortRecordsBy(int column);
    void SortFolders();
    // Selects the folder, then makes the record and the column slot's column current.
    void JumpToRecord(int folder, int record, int slot);
    // Column names, sets or category names changed: new columns, the folder shown again.
    void SettingsChanged();
    // Undoes the newest step (Undo menu items, Ctrl+Z).
    void UndoLastStep();
    // Sets the modified flag; the indicator follows when it changes.
    void MarkModified();
    // The enabling rules over the buttons and boxes.
    void ApplyEnabling();
    // Posts "ListCtrlMsg " with `what` to the editor itself.
    void PostListCtrlMsg(ListCtrlMsg what);
    // The look the SkinDialog setting asks for: backgrounds and the image buttons' pictures.
    void ApplySkin();
    // Writes the two splitter positions to the settings (done when the editor closes).
    void SaveSplitters();

    // The grid's in-place editors.
    CCellEditors& CellEditors() { return *cellEditors_; }
    // Opens the cell editor on (row, column), starting with `typed` when given; false when
    // the cell is not there.
    bool OpenCellEditor(int row, int column, const std::string& typed = {});
    // Writes the open cell editor's value into its record and closes it; Esc's way out
    // closes it keeping the cell as it was.
    void CommitCellEdit();
    void CancelCellEdit();
    // A key as the editor's key table takes it, before the focused control.
    void HandleKey(const KeyPress& key, wxKeyEvent* event = nullptr);

    // Opens a web address or "mailto:" address (the desktop's launcher; tests replace it).
    std::function<void(const std::string&)> launch;
    // Shows the search dialog until it is closed (tests press its buttons themselves).
    std::function<void(CSearchDlg&)> showSearchDialog;

    // Called after every change of the file's state (title, indicator, menus).
    std::function<void()> onStoreStateChanged = [] {};
    // The select-password dialog, provided by the application.
    std::function<std::optional<SelectPasswordResult>(wxWindow*, const SelectPasswordRequest&)>
        selectPassword;
    // The warning before records go to a folder of another category: true to go on;
    // `suppress` when the user asked not to be warned again. Tests answer it themselves.
    std::function<bool(const std::string& from, const std::string& to, bool& suppress)>
        askCategoryWarning;

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

    // IRecordListHost
    CEditorState& EditorState() override { return state_; }
    CellStyle CellStyleAt(int row, int column) override;
    void CellClicked(int row, int column, ClickKind kind) override;
    void CellDoubleClicked(int row, int column) override;
    void CellRightClicked(int row, int column) override;
    void MoveByKey(GridKey key, bool ctrl) override;
    void ColumnHeaderClicked(int column) override;
    void UndoKey() override;
    void GridScrolled() override;
    void RecordsDropped(int targetFolder, bool copy) override;

  private:
    // Building the window (password_editor_dlg.cpp).
    wxWindow* MakeFolderPane(wxWindow* parent);
    wxWindow* MakeRecordPane(wxWindow* parent);
    wxSizer* MakeButtonRow(wxWindow* parent, const std::vector<int>& commands);
    void OnSize(wxSizeEvent& event);
    void OnSashChanging(wxSplitterEvent& event);
    void KeepRecordSplitterInRange();
    void RestoreSplitters();
    int RecordSplitterTop() const;

    // Showing the file (editor_view.cpp).
    void FillTree(const CFolderTree::Node* select = nullptr);
    void OnTreeSelectionChanged(wxTreeEvent& event);
    // Shows the selected folder with (row, column) current, moved into the grid. Whatever the
    // field boxes hold is stored first, unless the current row was let go because the data
    // under it was replaced.
    void ShowFolderAt(int row, int column);
    // The data under the grid is about to be replaced: the boxes must not be stored into it.
    void LetGoOfCurrentRecord() { state_.currentRow = -1; }
    void ShowCurrentRecord();
    void StoreFieldBoxes();
    void OnFieldBoxChanged(int box);
    void UpdateStatus();
    const CFolderTree::Node* SelectedNode() const;
    int SelectedCategory() const;
    std::string CategoryNameOf(int category) const;

    // Commands, menus, undo and drops (editor_commands.cpp).
    void RunCommand(int command);
    void ShowFolderMenu(wxTreeEvent& event);
    void AppendCommand(wxMenu& menu, int command, const char* text);
    void SetCategory(int category);
    void FolderDropped(CFolderTree::Node* dragged, CFolderTree::Node* target);
    void OnListCtrlMsg(wxCommandEvent& event);

    // What the enabling rules look at now (editor_view.cpp).
    EditorFacts CurrentFacts() const;

    // Folder operations: adding, naming in place, renaming, deleting (editor_folders.cpp).
    void AddFolder(bool subfolder);
    void StartRenamingFolder();
    void EditFolderName(const wxTreeItemId& item);
    void DeleteSelectedFolder();
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);
    void FinishLabelEdit(bool cancelled, const std::string& name);
    // Undo steps go to the store's undo ring.
    TakeSnapshot Snapshots();

    // Records and cells: the commands and the cell editors (editor_records.cpp).
    void AddEditingCommands(CCommandTable& commands);
    void AddRecord();
    void DeleteRecords();
    void ClipboardCommand(int command);
    void GenerateIntoCell();
    void LaunchFieldBox(int command);
    RecordEditEnv EditEnv();
    // Whatever changed in the records: the grid, the indicator and quick access follow.
    void RecordsChanged();

    // Keys (editor_keys.cpp).
    void OnCharHook(wxKeyEvent& event);
    void OnGridChar(wxKeyEvent& event);
    EditorFocus FocusOf(const wxWindow* window) const;
    KeyContext CurrentKeyContext(EditorFocus focus) const;
    void CarryOut(const KeyOutcome& outcome, wxKeyEvent* event);
    void CarryOutMove(const CellMove& move);

    // Search folders and items (editor_search.cpp).
    void RunSearch(SearchMode mode);
    void FindNextFolder(const std::string& text);
    void FindNextItem(const std::string& text);
    // Draws the field box a search found (control number, or kNoField) highlighted.
    void HighlightFoundField(int box);

    CAppContext& context_;
    wxStatusBar* statusBar_;
    FileCommandSettings fileSettings_;
    std::unique_ptr<CFileCommands> files_;
    CCommandTable* commands_ = nullptr;
    CEditorState state_;
    CAutoCompleteList completions_;
    std::vector<GridColumn> columns_;
    int shownCategory_ = -1;  // the category whose columns the grid has; -1 forces new ones
    bool rebuildingTree_ = false;
    bool categoryWarningOff_ = false;  // for the rest of the run
    bool splittersRestored_ = false;
    CWxDateFormat dates_;
    std::unique_ptr<IDateClock> calendar_;
    wxSplitterWindow* folderSplit_ = nullptr;
    wxSplitterWindow* recordSplit_ = nullptr;
    wxHeaderCtrlSimple* header_ = nullptr;
    CFolderTreeCtrl* tree_ = nullptr;
    CRecordListCtrl* grid_ = nullptr;
    CRecordGridTable* table_ = nullptr;  // owned by the grid
    CFieldBoxes* boxes_ = nullptr;
    std::map<int, CSkinButton*> buttons_;
    std::unique_ptr<CCellEditors> cellEditors_;
    bool labelEditing_ = false;
    bool labelEscaped_ = false;                       // the name editor was left with Esc
    CFolderTree::Node* selectedBeforeAdd_ = nullptr;  // shown again when a new name is refused
    bool committing_ = false;  // a cell edit is being written: no second commit meanwhile
};

// Status bar panes the editor writes to.
constexpr int kStatusPaneFolder = 1;
constexpr int kStatusPaneColumns = 2;

}  // namespace vk
