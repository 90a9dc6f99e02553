#include "gui/editor/record_grid_table.h"

#include "core/store/password_store.h"
#include "gui/ui/wx_text.h"

namespace vk {

CRecordGridTable::CRecordGridTable(const CPasswordStore& store, IDateFormat& dates,
                                   const bool& mask)
    : store_(store), dates_(dates), mask_(mask) {}

void CRecordGridTable::Show(int folder, std::vector<GridColumn> columns) {
    folder_ = folder;
    columns_ = std::move(columns);
    Sync();
}

void CRecordGridTable::Sync() {
    wxGrid* grid = GetView();
    if (!grid) return;
    const auto tell = [&](int appended, int deleted, int shown, int wanted) {
        if (wanted < shown) {
            wxGridTableMessage m(this, deleted, wanted, shown - wanted);
            grid->ProcessTableMessage(m);
        } else if (wanted > shown) {
            wxGridTableMessage m(this, appended, wanted - shown);
            grid->ProcessTableMessage(m);
        }
    };
    tell(wxGRIDTABLE_NOTIFY_ROWS_APPENDED, wxGRIDTABLE_NOTIFY_ROWS_DELETED, grid->GetNumberRows(),
         GetNumberRows());
    tell(wxGRIDTABLE_NOTIFY_COLS_APPENDED, wxGRIDTABLE_NOTIFY_COLS_DELETED, grid->GetNumberCols(),
         GetNumberCols());
    grid->ForceRefresh();
}

int CRecordGridTable::FieldOf(int column) const {
    return column >= 0 && static_cast<std::size_t>(column) < columns_.size()
               ? columns_[static_cast<std::size_t>(column)].field
               : -1;
}

const CRecord* CRecordGridTable::RecordAt(int row) const {
    if (!store_.IsValidFolderIndex(folder_) || row < 0) return nullptr;
    const CRecordList& records = store_.folders[static_cast<std::size_t>(folder_)].records;
    return static_cast<std::size_t>(row) < records.size() ? &records[static_cast<std::size_t>(row)]
                                                          : nullptr;
}

int CRecordGridTable::GetNumberRows() {
    if (!store_.IsValidFolderIndex(folder_)) return 0;
    return static_cast<int>(store_.folders[static_cast<std::size_t>(folder_)].records.size());
}

int CRecordGridTable::GetNumberCols() {
    return static_cast<int>(columns_.size());
}

wxString CRecordGridTable::GetValue(int row, int col) {
    const CRecord* record = RecordAt(row);
    const int field = FieldOf(col);
    if (!record || field < 0) return {};
    return ToWx(CellText(*record, field, mask_, dates_));
}

bool CRecordGridTable::IsEmptyCell(int row, int col) {
    return GetValue(row, col).empty();
}

wxString CRecordGridTable::GetColLabelValue(int col) {
    return col >= 0 && static_cast<std::size_t>(col) < columns_.size()
               ? ToWx(columns_[static_cast<std::size_t>(col)].title)
               : wxString();
}

}  // namespace vk
