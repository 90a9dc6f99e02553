#pragma once
#include <wx/grid.h>

#include <vector>

#include "core/editor/record_columns.h"

namespace vk {

class CPasswordStore;
class IDateFormat;

// The records of one folder as the grid sees them. Nothing is copied: the grid asks for the
// cells it draws and each is read from the store, so showing a folder of any size costs the
// same.
class CRecordGridTable : public wxGridTableBase {
  public:
    CRecordGridTable(const CPasswordStore& store, IDateFormat& dates, const bool& mask);

    // Shows folder `folder` (-1: none) under `columns`, and brings the grid in line.
    void Show(int folder, std::vector<GridColumn> columns);
    // After records were added or removed: the grid learns the new row count.
    void Sync();

    int Folder() const { return folder_; }
    const std::vector<GridColumn>& Columns() const { return columns_; }
    // The field shown in grid column `column`, or -1.
    int FieldOf(int column) const;
    // The record at `row`, or null.
    const CRecord* RecordAt(int row) const;

    int GetNumberRows() override;
    int GetNumberCols() override;
    wxString GetValue(int row, int col) override;
    // Cells are written through the editor, which keeps undo and the modified flag.
    void SetValue(int, int, const wxString&) override {}
    bool IsEmptyCell(int row, int col) override;
    wxString GetColLabelValue(int col) override;

  private:
    const CPasswordStore& store_;
    IDateFormat& dates_;
    const bool& mask_;
    int folder_ = -1;
    std::vector<GridColumn> columns_;
};

}  // namespace vk
