#include "gui/editor/record_list_ctrl.h"

#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>

#include "core/app/command_ids.h"
#include "core/editor/editor_messages.h"
#include "core/editor/record_drop.h"
#include "gui/editor/drag_image.h"
#include "gui/editor/folder_tree_ctrl.h"
#include "gui/editor/record_grid_table.h"
#include "gui/ui/artwork.h"

namespace vk {
namespace {

// The drag picture shows the first rows of a drag and says when there are more.
constexpr std::size_t kDragRowsDrawn = 8;
constexpr std::size_t kDragRowsMost = 333;
constexpr int kDragPictureWidth = 216;
constexpr int kWheelStep = 120;

wxColour GroundColour(CellGround ground) {
    switch (ground) {
        case CellGround::kHighlight:
            return wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
        case CellGround::kButtonFace:
            return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
        case CellGround::kWindow:
            break;
    }
    return *wxWHITE;
}

wxColour InkColour(CellInk ink) {
    switch (ink) {
        case CellInk::kHighlightText:
            return wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
        case CellInk::kButtonText:
            return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
        case CellInk::kRed:
            return wxColour(255, 0, 0);
        case CellInk::kWhite:
            return *wxWHITE;
        case CellInk::kWindowText:
            break;
    }
    return *wxBLACK;
}

// Draws each cell as the editor's state says: the grid's own selection and cursor drawing
// are never used. The first column carries the record picture.
class CRecordCellRenderer : public wxGridCellStringRenderer {
  public:
    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
              bool) override {
        const CellStyle style = static_cast<CRecordListCtrl&>(grid).Host().CellStyleAt(row, col);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(GroundColour(style.ground)));
        dc.DrawRectangle(rect);
        wxRect text = rect.Deflate(grid.FromDIP(3), 0);
        if (col == 0) {
            const wxBitmap picture = art::RecordBitmap();
            dc.DrawBitmap(picture, text.x, rect.y + (rect.height - picture.GetHeight()) / 2, true);
            const int used = picture.GetWidth() + grid.FromDIP(4);
            text.x += used;
            text.width -= used;
        }
        if (text.width <= 0) return;
        dc.SetFont(attr.GetFont());
        dc.SetTextForeground(InkColour(style.ink));
        const wxString shown =
            wxControl::Ellipsize(grid.GetCellValue(row, col), dc, wxELLIPSIZE_END, text.width);
        wxDCClipper clip(dc, rect);
        dc.DrawLabel(shown, text, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    wxGridCellRenderer* Clone() const override { return new CRecordCellRenderer; }
};

}  // namespace

CRecordListCtrl::CRecordListCtrl(wxWindow* parent, wxWindowID id, IRecordListHost& host,
                                 CRecordGridTable* table)
    : wxGrid(parent, id, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS | wxBORDER_THEME),
      host_(host),
      table_(table) {
    SetTable(table_, true, wxGridSelectRows);
    UseNativeColHeader(true);
    HideRowLabels();
    EnableEditing(false);
    EnableDragRowSize(false);
    EnableDragGridSize(false);
    EnableDragColMove(false);
    EnableDragCell(false);
    SetCellHighlightPenWidth(0);
    SetCellHighlightROPenWidth(0);
    SetDefaultCellOverflow(false);
    SetDefaultRenderer(new CRecordCellRenderer);
    SetColLabelAlignment(wxALIGN_LEFT, wxALIGN_CENTRE);
    SetGridLineColour(wxColour(220, 220, 220));
    SetDefaultRowSize(std::max(GetDefaultRowSize(), FromDIP(22)), true);
    // The area below the last row and right of the last column (cells paint their own).
    SetDefaultCellBackgroundColour(wxColour(240, 240, 240));

    wxWindow* cells = GetGridWindow();
    cells->Bind(wxEVT_LEFT_DOWN, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_LEFT_UP, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_LEFT_DCLICK, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_RIGHT_DOWN, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_RIGHT_UP, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_MOTION, &CRecordListCtrl::OnGridMouse, this);
    cells->Bind(wxEVT_MOUSEWHEEL, &CRecordListCtrl::OnWheel, this);
    cells->Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        EndRecordDrag();
        ClearDrag();
    });
    Bind(wxEVT_KEY_DOWN, &CRecordListCtrl::OnKeyDown, this);
    Bind(wxEVT_GRID_LABEL_LEFT_CLICK, [this](wxGridEvent& e) {
        if (e.GetCol() >= 0) host_.ColumnHeaderClicked(e.GetCol());
    });
    Bind(wxEVT_GRID_COL_SIZE, [this](wxGridSizeEvent& e) {
        // Widths the user chose are kept from now on.
        userSizedColumns_ = true;
        host_.GridScrolled();
        e.Skip();
    });
    GetGridWindow()->Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        e.Skip();
        const int width = GetGridWindow()->GetClientSize().x;
        if (width != spreadWidth_ && (!userSizedColumns_ || autoSize))
            CallAfter([this] { SpreadColumns(); });
    });
    const auto scrolled = [this](wxScrollWinEvent& e) {
        host_.GridScrolled();
        e.Skip();
    };
    Bind(wxEVT_SCROLLWIN_TOP, scrolled);
    Bind(wxEVT_SCROLLWIN_BOTTOM, scrolled);
    Bind(wxEVT_SCROLLWIN_LINEUP, scrolled);
    Bind(wxEVT_SCROLLWIN_LINEDOWN, scrolled);
    Bind(wxEVT_SCROLLWIN_PAGEUP, scrolled);
    Bind(wxEVT_SCROLLWIN_PAGEDOWN, scrolled);
    Bind(wxEVT_SCROLLWIN_THUMBTRACK, scrolled);
    Bind(wxEVT_SCROLLWIN_THUMBRELEASE, scrolled);
    chooseDropAction = [this] { return AskDropAction(); };
}

CRecordListCtrl::~CRecordListCtrl() {
    if (GetGridWindow()->HasCapture()) GetGridWindow()->ReleaseMouse();
}

void CRecordListCtrl::SpreadColumns() {
    const int count = GetNumberCols();
    const int width = GetGridWindow()->GetClientSize().x;
    spreadWidth_ = width;
    userSizedColumns_ = false;
    if (count <= 0) return;
    const int each = std::max(FromDIP(40), width / count);
    BeginBatch();
    for (int c = 0; c + 1 < count; ++c) SetColSize(c, each);
    SetColSize(count - 1, std::max(FromDIP(40), width - each * (count - 1)));
    EndBatch();
}

wxGridCellCoords CRecordListCtrl::CellAt(const wxPoint& gridWindowPoint) const {
    const wxPoint p = CalcUnscrolledPosition(gridWindowPoint);
    return {YToRow(p.y), XToCol(p.x)};
}

void CRecordListCtrl::OnGridMouse(wxMouseEvent& event) {
    const wxPoint screen = GetGridWindow()->ClientToScreen(event.GetPosition());
    if (dragging_) {
        if (event.LeftUp())
            DropRecordDrag(screen);
        else if (event.RightUp())
            RightDropRecordDrag(screen);
        else if (event.Dragging() || event.Moving())
            RecordDragMotion(screen);
        return;
    }
    wxGridCellCoords cell = CellAt(event.GetPosition());
    if (cell.GetRow() >= 0 && cell.GetCol() < 0 && GetNumberCols() > 0)
        cell.SetCol(GetNumberCols() - 1);  // right of the last column
    if (event.LeftDown() || event.RightDown()) {
        SetFocus();
        pressPoint_ = event.GetPosition();
        pressRow_ = cell.GetRow();
        deferredClick_ = wxGridNoCellCoords;
        if (event.LeftDown() && cell.GetRow() >= 0) {
            const ClickKind kind = event.ShiftDown()     ? ClickKind::kShift
                                   : event.ControlDown() ? ClickKind::kCtrl
                                                         : ClickKind::kPlain;
            // Pressing on a row of a multi-selection may start dragging all of them: the
            // plain click waits for the button to come up without a drag.
            if (kind == ClickKind::kPlain && InMultiSelection(cell.GetRow()))
                deferredClick_ = cell;
            else
                host_.CellClicked(cell.GetRow(), cell.GetCol(), kind);
        }
    } else if (event.LeftDClick()) {
        host_.CellDoubleClicked(cell.GetRow(), cell.GetCol());
    } else if (event.RightUp()) {
        if (cell.GetRow() >= 0) host_.CellRightClicked(cell.GetRow(), cell.GetCol());
        pressRow_ = -1;
    } else if (event.LeftUp()) {
        pressRow_ = -1;
        if (deferredClick_ != wxGridNoCellCoords)
            host_.CellClicked(deferredClick_.GetRow(), deferredClick_.GetCol(), ClickKind::kPlain);
        deferredClick_ = wxGridNoCellCoords;
    } else if (event.Dragging() && pressRow_ >= 0) {
        const wxPoint moved = event.GetPosition() - pressPoint_;
        if (std::abs(moved.x) > wxSystemSettings::GetMetric(wxSYS_DRAG_X, this) ||
            std::abs(moved.y) > wxSystemSettings::GetMetric(wxSYS_DRAG_Y, this)) {
            const int row = pressRow_;
            pressRow_ = -1;
            deferredClick_ = wxGridNoCellCoords;
            if (BeginRecordDrag(row, event.RightIsDown())) RecordDragMotion(screen);
        }
    }
}

bool CRecordListCtrl::InMultiSelection(int row) {
    const CEditorState& state = host_.EditorState();
    return state.HasMultiSelection() &&
           std::find(state.selection.begin(), state.selection.end(), static_cast<unsigned>(row)) !=
               state.selection.end();
}

void CRecordListCtrl::OnWheel(wxMouseEvent& event) {
    if (dragging_) return;
    // Smooth scrolling sends parts of a step: they add up to whole steps.
    wheelRotation_ += event.GetWheelRotation();
    const int step = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : kWheelStep;
    while (std::abs(wheelRotation_) >= step) {
        const bool up = wheelRotation_ > 0;
        wheelRotation_ += up ? -step : step;
        host_.MoveByKey(up ? GridKey::kWheelUp : GridKey::kWheelDown, false);
    }
}

void CRecordListCtrl::OnKeyDown(wxKeyEvent& event) {
    const bool ctrl = event.GetModifiers() == wxMOD_CONTROL;
    const int code = event.GetKeyCode();
    if (ctrl && code == 'Z') {
        host_.UndoKey();
        return;
    }
    struct KeyMove {
        int code;
        GridKey key;
    };
    static const KeyMove kMoves[] = {
        {WXK_UP, GridKey::kUp},         {WXK_DOWN, GridKey::kDown},
        {WXK_LEFT, GridKey::kLeft},     {WXK_RIGHT, GridKey::kRight},
        {WXK_HOME, GridKey::kHome},     {WXK_END, GridKey::kEnd},
        {WXK_PAGEUP, GridKey::kPageUp}, {WXK_PAGEDOWN, GridKey::kPageDown},
        {WXK_NUMPAD_UP, GridKey::kUp},  {WXK_NUMPAD_DOWN, GridKey::kDown},
    };
    for (const KeyMove& m : kMoves) {
        if (m.code == code && (event.GetModifiers() & ~wxMOD_CONTROL) == 0) {
            host_.MoveByKey(m.key, ctrl);
            return;
        }
    }
    if (code == WXK_TAB) {
        // Leaving the grid with Tab; the toolkit's grid would only move its own cursor.
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                   : wxNavigationKeyEvent::IsForward);
        return;
    }
    if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER) return;  // the grid's own move is not ours
    event.Skip();
}

bool CRecordListCtrl::BeginRecordDrag(int row, bool copy) {
    if (!tree_ || dragging_ || row < 0) return false;
    const wxTreeItemId source = tree_->GetSelection();
    if (!source.IsOk()) return false;
    auto& selection = host_.EditorState().selection;
    const auto picked = static_cast<unsigned>(row);
    const bool added = std::find(selection.begin(), selection.end(), picked) == selection.end();
    if (added) selection.push_back(picked);
    const CRecord* record = table_->RecordAt(row);
    if (!record || record->IsEmpty()) {
        // The blank row for new entries is not dragged.
        if (added) selection.pop_back();
        return false;
    }
    ForceRefresh();
    std::vector<wxString> lines;
    const std::vector<int> rows =
        RowsToDrop(selection, static_cast<std::size_t>(table_->GetNumberRows()));
    for (std::size_t i = 0; i < rows.size() && i < kDragRowsMost && lines.size() < kDragRowsDrawn;
         ++i)
        lines.push_back(GetNumberCols() > 0 ? GetCellValue(rows[i], 0) : wxString());
    if (rows.size() > kDragRowsDrawn) lines.push_back(wxString::FromUTF8("\u2026"));
    dragImage_ = std::make_unique<CDragImage>(
        this, MakeDragPicture(this, lines, art::RecordBitmap(), FromDIP(kDragPictureWidth)),
        FromDIP(wxPoint(-14, -6)));
    sourceItem_ = source;
    lastTarget_ = {};
    dragRow_ = row;
    copy_ = copy;
    dragging_ = true;
    if (!GetGridWindow()->HasCapture()) GetGridWindow()->CaptureMouse();
    return true;
}

void CRecordListCtrl::RecordDragMotion(const wxPoint& screen) {
    if (!dragging_ || !tree_) return;
    if (dragImage_) dragImage_->MoveTo(screen);
    wxTreeItemId item = tree_->ItemAtScreen(screen);
    if (item.IsOk() && tree_->ItemHasChildren(item) && !tree_->IsExpanded(item)) {
        // A folder with subfolders opens at once under a record drag.
        tree_->Expand(item);
        tree_->Update();
        item = tree_->ItemAtScreen(screen);
    }
    const wxTreeItemId target = item == sourceItem_ ? wxTreeItemId() : item;
    if (target != lastTarget_) {
        if (lastTarget_.IsOk()) tree_->SetItemDropHighlight(lastTarget_, false);
        if (target.IsOk()) tree_->SetItemDropHighlight(target, true);
        lastTarget_ = target;
    }
    GetGridWindow()->SetCursor(target.IsOk() ? wxNullCursor : wxCursor(wxCURSOR_NO_ENTRY));
}

void CRecordListCtrl::EndRecordDrag() {
    dragImage_.reset();
    if (GetGridWindow()->HasCapture()) GetGridWindow()->ReleaseMouse();
    if (tree_ && lastTarget_.IsOk()) tree_->SetItemDropHighlight(lastTarget_, false);
    lastTarget_ = {};
    dragging_ = false;
    GetGridWindow()->SetCursor(wxNullCursor);
}

void CRecordListCtrl::ClearDrag() {
    host_.EditorState().selection.clear();
    dragRow_ = -1;
    copy_ = false;
    ForceRefresh();
}

void CRecordListCtrl::DropOnto(const wxTreeItemId& item, bool copy) {
    const int target = item.IsOk() && tree_ ? tree_->FolderIndexOf(item) : -1;
    host_.RecordsDropped(item == sourceItem_ ? -1 : target, copy);
}

void CRecordListCtrl::DropRecordDrag(const wxPoint& screen) {
    if (!dragging_) return;
    const wxTreeItemId item = tree_ ? tree_->ItemAtScreen(screen) : wxTreeItemId();
    const bool copy = copy_;
    EndRecordDrag();
    DropOnto(item, copy);
    ClearDrag();
}

void CRecordListCtrl::RightDropRecordDrag(const wxPoint& screen) {
    if (!dragging_) return;
    const wxTreeItemId item = tree_ ? tree_->ItemAtScreen(screen) : wxTreeItemId();
    // The pointer is let go before the menu takes it.
    EndRecordDrag();
    if (item.IsOk()) {
        const int choice = chooseDropAction();
        if (choice == cmd::kDropCopy || choice == cmd::kDropMove)
            DropOnto(item, choice == cmd::kDropCopy);
    }
    ClearDrag();
}

int CRecordListCtrl::AskDropAction() {
    wxMenu menu;
    menu.Append(cmd::WxId(cmd::kDropCopy), msg::kDropCopy);
    menu.Append(cmd::WxId(cmd::kDropMove), msg::kDropMove);
    menu.AppendSeparator();
    menu.Append(wxID_CANCEL, msg::kDropCancel);
    return cmd::CommandOf(GetPopupMenuSelectionFromUser(menu));
}

}  // namespace vk
