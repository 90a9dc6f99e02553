#include "core/editor/record_operations.h"

#include <algorithm>

#include "core/editor/edit_messages.h"
#include "core/editor/field_limits.h"
#include "core/editor/record_columns.h"
#include "core/editor/record_dates.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"
#include "core/shell/text_format.h"

namespace vk {
namespace {

bool IsDateField(int field) {
    return field == kDateAssigned || field == kDateExpires;
}

CFolder* LiveFolder(CPasswordStore& store, int folder) {
    if (!store.IsValidFolderIndex(folder)) return nullptr;
    CFolder& f = store.folders[static_cast<std::size_t>(folder)];
    return f.inUse ? &f : nullptr;
}

bool IsField(int field) {
    return field >= 0 && field < kFieldCount;
}

// The record at the cell, made the folder's own for writing; a row just past the end gets a
// blank record. Call only after any undo step is taken.
CRecord* WritableRecord(CPasswordStore& store, const CellRef& cell) {
    CFolder* folder = LiveFolder(store, cell.folder);
    if (!folder || cell.row < 0 || !IsField(cell.field)) return nullptr;
    const auto row = static_cast<std::size_t>(cell.row);
    if (row > folder->records.size()) return nullptr;
    if (row == folder->records.size()) folder->records.emplace_back();
    return &folder->records[row];
}

SystemTime& DateOf(CRecord& record, int field) {
    return field == kDateAssigned ? record.dateAssigned : record.dateExpires;
}

std::string UndoLabel(const RecordEditEnv& env, const char* what, const CRecord& record,
                      int field) {
    return what + env.settings.columnNames[static_cast<std::size_t>(field)] + ": " +
           CellText(record, field, env.settings.mask, env.dates);
}

bool ShowsColumn(const CSettings& settings, std::int32_t category, int field) {
    const ColumnSet& set = settings.ColumnsOf(category);
    return std::find(set.begin(), set.end(), field) != set.end();
}

// Sets a date and its text; the stored date keeps a date or is all zero.
void PutDate(CRecord& record, int field, const SystemTime& date, IDateFormat& dates) {
    DateOf(record, field) = date.HasDate() ? date : SystemTime{};
    record[field] = dates.DateText(DateOf(record, field));
}

// Empties a cell that shows something, after the undo step `what`.
bool EmptyCell(RecordEditEnv& env, const CellRef& cell, const char* what) {
    const CRecord* before = RecordAt(env.store, cell.folder, cell.row);
    if (!before || !IsField(cell.field) || (*before)[cell.field].empty()) return false;
    if (env.snapshot) env.snapshot(UndoLabel(env, what, *before, cell.field), false);
    CRecord* record = WritableRecord(env.store, cell);
    (*record)[cell.field].clear();
    if (IsDateField(cell.field)) DateOf(*record, cell.field) = SystemTime{};
    env.store.modified = true;
    return true;
}

}  // namespace

const CRecord* RecordAt(const CPasswordStore& store, int folder, int row) {
    if (!store.IsValidFolderIndex(folder) || row < 0) return nullptr;
    const CFolder& f = store.folders[static_cast<std::size_t>(folder)];
    if (!f.inUse || static_cast<std::size_t>(row) >= f.records.size()) return nullptr;
    return &f.records[static_cast<std::size_t>(row)];
}

int AddRecord(CPasswordStore& store, int folder) {
    CFolder* f = LiveFolder(store, folder);
    if (!f) return -1;
    f->records.emplace_back();
    return static_cast<int>(f->records.size() - 1);
}

bool CommitCellText(RecordEditEnv& env, const CellRef& cell, const std::string& text) {
    if (IsDateField(cell.field)) {
        if (text.empty()) return CommitCellDate(env, cell, SystemTime{});
        const auto date = ParseIsoDate(text);
        return date && CommitCellDate(env, cell, *date);
    }
    const CRecord* before = RecordAt(env.store, cell.folder, cell.row);
    if (before && IsField(cell.field)) {
        if ((*before)[cell.field] == text) return false;
        if (!(*before)[cell.field].empty() && env.snapshot)
            env.snapshot(UndoLabel(env, msg::kUndoEditCell, *before, cell.field), false);
    }
    CRecord* record = WritableRecord(env.store, cell);
    if (!record) return false;
    (*record)[cell.field] = text;
    env.store.modified = true;
    return true;
}

bool CommitCellDate(RecordEditEnv& env, const CellRef& cell, const SystemTime& date) {
    if (!IsDateField(cell.field)) return false;
    const SystemTime wanted = date.HasDate() ? date : SystemTime{};
    const CRecord* before = RecordAt(env.store, cell.folder, cell.row);
    if (before) {
        const SystemTime old =
            cell.field == kDateAssigned ? before->dateAssigned : before->dateExpires;
        if (old == wanted && (*before)[cell.field] == env.dates.DateText(wanted)) return false;
        if (!(*before)[cell.field].empty() && env.snapshot)
            env.snapshot(UndoLabel(env, msg::kUndoEditCell, *before, cell.field), false);
    }
    CRecord* record = WritableRecord(env.store, cell);
    if (!record) return false;
    PutDate(*record, cell.field, wanted, env.dates);
    const std::uint32_t days = env.settings.expirationDays;
    if (cell.field == kDateAssigned && days != 0 &&
        ShowsColumn(env.settings, cell.category, kDateExpires) && (*record)[kDateExpires].empty() &&
        !(*record)[kDateAssigned].empty()) {
        if (const auto expires = AddDays(record->dateAssigned, static_cast<long>(days)))
            PutDate(*record, kDateExpires, *expires, env.dates);
    }
    env.store.modified = true;
    return true;
}

std::string CellValue(const CPasswordStore& store, const CellRef& cell) {
    const CRecord* record = RecordAt(store, cell.folder, cell.row);
    return record && IsField(cell.field) ? (*record)[cell.field] : std::string();
}

bool CutCell(RecordEditEnv& env, const CellRef& cell) {
    return EmptyCell(env, cell, msg::kUndoCutCell);
}

bool ClearCell(RecordEditEnv& env, const CellRef& cell) {
    return EmptyCell(env, cell, msg::kUndoClearCell);
}

bool PasteIntoCell(RecordEditEnv& env, const CellRef& cell, const std::string& text) {
    if (!RecordAt(env.store, cell.folder, cell.row) || !IsField(cell.field)) return false;
    if (IsDateField(cell.field)) {
        const auto date = ParseIsoDate(text);
        return date && CommitCellDate(env, cell, *date);
    }
    CRecord* record = WritableRecord(env.store, cell);
    const std::string value = FitFieldValue(cell.field, text);
    if ((*record)[cell.field] == value) return false;
    (*record)[cell.field] = value;
    env.store.modified = true;
    return true;
}

bool DeleteNeedsQuestion(const CPasswordStore& store, int folder, int row, bool multiSelection) {
    if (multiSelection) return true;
    const CRecord* record = RecordAt(store, folder, row);
    return record && !record->IsEmpty();
}

std::string DeleteRecordsQuestion(const std::string& name) {
    if (name.empty()) return msg::kDeleteSelectedRecords;
    return FormatText(msg::kDeleteRecordFormat, name.c_str());
}

int DeleteRecords(RecordEditEnv& env, int folder, std::vector<int> rows, bool multiSelection,
                  int currentRow) {
    CFolder* f = LiveFolder(env.store, folder);
    if (!f) return -1;
    const int count = static_cast<int>(f->records.size());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [count](int row) { return row < 0 || row >= count; }),
               rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return currentRow;
    if (env.snapshot)
        env.snapshot(multiSelection ? msg::kUndoDeleteRecords : msg::kUndoDeleteRecord, false);
    f = LiveFolder(env.store, folder);  // the snapshot may have copied the folder table
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        f->records.erase(static_cast<std::size_t>(*it));
    env.store.modified = true;
    const int left = static_cast<int>(f->records.size());
    if (left == 0) return 0;
    return currentRow >= 0 && currentRow < left ? currentRow : left - 1;
}

bool StoreFieldBoxes(CPasswordStore& store, int folder, int row, const std::string& url,
                     const std::string& email, const std::string& notesShown) {
    const CRecord* before = RecordAt(store, folder, row);
    if (!before) return false;
    const std::string notes = NotesToStored(notesShown);
    if ((*before)[kUrl] == url && (*before)[kEmail] == email && (*before)[kNotes] == notes)
        return false;
    CRecord& record =
        store.folders[static_cast<std::size_t>(folder)].records[static_cast<std::size_t>(row)];
    record[kUrl] = url;
    record[kEmail] = email;
    record[kNotes] = notes;
    store.modified = true;
    return true;
}

std::string MailtoAddress(const std::string& email) {
    return msg::kMailtoPrefix + email;
}

}  // namespace vk
