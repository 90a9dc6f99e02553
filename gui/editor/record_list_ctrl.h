#pragma once
#include <wx/grid.h>
#include <wx/treebase.h>

#include <functional>
#include <memory>

#include "core/editor/editor_rules.h"

namespace vk {

class CDragImage;
class CFolderTreeCtrl;
class CRecordGridTable;

// What the record grid asks of the editor that owns it: the editor keeps the current cell,
// the selection and the data; the grid turns mouse and keys into these calls.
class IRecordListHost {
  public:
    virtual ~IRecordListHost() = default;
    virtual CEditorState& EditorState() = 0;
    virtual CellStyle CellStyleAt(int row, int column) = 0;
    virtual void CellClicked(int row, int column, ClickKind kind) = 0;
    // `row` -1: below the last row.
    virtual void CellDoubleClicked(int row, int column) = 0;
    virtual void CellRightClicked(int row, int column) = 0;
    virtual void MoveByKey(GridKey key, bool ctrl) = 0;
    virtual void ColumnHeaderClicked(int column) = 0;
    virtual void UndoKey() = 0;
    // The grid scrolled or a column was resized: an open cell edit is committed.
    virtual void GridScrolled() = 0;
    // Records of the shown folder were dropped onto folder `targetFolder` (-1: none).
    virtual void RecordsDropped(int targetFolder, bool copy) = 0;
};

// The grid of the selected folder's records (the list control of the editor). It draws cells
// as the editor's state says, hands clicks, keys and the wheel to the editor, and carries
// records dragged onto folders of its partner tree.
class CRecordListCtrl : public wxGrid {
  public:
    // Takes ownership of `table`.
    CRecordListCtrl(wxWindow* parent, wxWindowID id, IRecordListHost& host,
                    CRecordGridTable* table);
    ~CRecordListCtrl() override;

    void SetPartnerTree(CFolderTreeCtrl* tree) { tree_ = tree; }
    CRecordGridTable& Table() { return *table_; }
    IRecordListHost& Host() { return host_; }
    // Every column as wide as the others, the last one taking what is left. The grid does
    // this again whenever its width changes, until the user sizes a column; with `autoSize`
    // (the AutosizeCol setting) always.
    void SpreadColumns();
    bool autoSize = false;

    // A record drag, step by step (the mouse handlers call these; so can tests). `copy`: the
    // drag began with the right button.
    bool BeginRecordDrag(int row, bool copy);
    void RecordDragMotion(const wxPoint& screen);
    // Left button up: the records are moved (or copied after a right-button start).
    void DropRecordDrag(const wxPoint& screen);
    // Right button up: over a folder the user chooses Copy, Move or Cancel.
    void RightDropRecordDrag(const wxPoint& screen);
    bool IsDraggingRecords() const { return dragging_; }

    // Asks for the drop menu's choice: the command numbers of "&Copy" and "&Move", anything
    // else cancels. Tests answer it themselves.
    std::function<int()> chooseDropAction;

  private:
    void OnGridMouse(wxMouseEvent& event);
    bool InMultiSelection(int row);
    void OnWheel(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    // The cell under a point of the grid window; -1 for what lies outside the cells.
    wxGridCellCoords CellAt(const wxPoint& gridWindowPoint) const;
    void EndRecordDrag();
    void DropOnto(const wxTreeItemId& item, bool copy);
    void ClearDrag();
    int AskDropAction();

    IRecordListHost& host_;
    CRecordGridTable* table_;
    CFolderTreeCtrl* tree_ = nullptr;
    // Where a button went down, to tell a drag from a click.
    wxPoint pressPoint_;
    int pressRow_ = -1;
    // A plain click on a row of a multi-selection, carried out when no drag follows.
    wxGridCellCoords deferredClick_ = wxGridNoCellCoords;
    int wheelRotation_ = 0;
    int spreadWidth_ = -1;  // the width the columns were last spread over
    bool userSizedColumns_ = false;
    // The record drag.
    bool dragging_ = false;
    bool copy_ = false;
    int dragRow_ = -1;
    wxTreeItemId sourceItem_;
    wxTreeItemId lastTarget_;
    std::unique_ptr<CDragImage> dragImage_;
};

}  // namespace vk
