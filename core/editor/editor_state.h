#pragma once
#include <vector>

namespace vk {

// Control numbers of the editor's field boxes (menus, drops and enabling refer to them).
namespace control {
inline constexpr int kNotesBox = 1003;
inline constexpr int kUrlBox = 1013;
inline constexpr int kEmailBox = 1014;
inline constexpr int kNoField = 99;
}  // namespace control

// What a folder operation in progress is waiting for.
enum class PendingMode { kNone = 0, kAdding = 1, kRenaming = 2 };

// Rows drawn red while a delete waits for the user's answer.
enum class DeleteHighlight { kNone = 0, kRecords = 1, kFolder = 2 };

// The editor window's state: which cell is current, which rows are selected and how the
// records are sorted. Windows keep positions, never references into the store.
struct CEditorState {
    int currentRow = -1;     // -1: no current record
    int currentColumn = -1;  // -1: no current column
    // Rows picked with Shift or Ctrl; empty when only the current row is selected.
    std::vector<unsigned> selection;
    PendingMode pending = PendingMode::kNone;
    DeleteHighlight deleteHighlight = DeleteHighlight::kNone;
    int recordSortColumn = -1;  // -1 counts as the first column
    bool recordsDescending = false;
    bool foldersDescending = false;
    int searchPosition = -1;             // the record the item search found last
    int foundField = control::kNoField;  // the field box the search jumped to
    bool foundHighlight = false;
    int lastGridRow = -1;  // the row Tab left for the URL box

    bool HasMultiSelection() const { return !selection.empty(); }
    int SortColumn() const { return recordSortColumn < 0 ? 0 : recordSortColumn; }
};

}  // namespace vk
