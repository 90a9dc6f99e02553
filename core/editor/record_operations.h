#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/editor/folder_operations.h"
#include "core/store/password_store.h"

namespace vk {

struct CSettings;
class IDateFormat;

// What record operations work with: the store, the settings that name columns and decide
// masking and expiry, the date text, and where undo steps go (empty: none).
struct RecordEditEnv {
    CPasswordStore& store;
    const CSettings& settings;
    IDateFormat& dates;
    TakeSnapshot snapshot;
};

// One field of one record: the folder's index, the record's row, the field (0 to 13), and
// the category whose columns the folder shows.
struct CellRef {
    int folder = -1;
    int row = -1;
    int field = 0;
    std::int32_t category = kCategoryDefault;
};

// The record a cell names, or null when the folder or row does not exist.
const CRecord* RecordAt(const CPasswordStore& store, int folder, int row);

// Appends a blank record to a live folder and returns its row (-1 when there is no such
// folder). Adding takes no undo step and leaves the store unmodified until a value goes in.
int AddRecord(CPasswordStore& store, int folder);

// Writes a field of the record at `cell`; a row just past the last record appends a blank one
// first. A date field takes "YYYY-MM-DD" or nothing (see CommitCellDate). When the cell showed
// something and its value changes, the undo step "edit <column name>: <old cell text>" comes first;
// filling an empty cell takes none. True when the record changed (the store is then marked
// modified).
bool CommitCellText(RecordEditEnv& env, const CellRef& cell, const std::string& text);

// The same for Date assigned and Date expires: a date without year, month or day clears it.
// Setting Date assigned of a record without Date expires, in a folder whose grid shows Date
// expires, also sets that to `ExpirationDays` later when the setting is not 0.
bool CommitCellDate(RecordEditEnv& env, const CellRef& cell, const SystemTime& date);

// The value Copy puts on the clipboard: the record's own text (an unmasked password).
std::string CellValue(const CPasswordStore& store, const CellRef& cell);
// Cut and Clear empty a cell that is not empty, after the undo step "delete <column>: <old
// cell text>" or "clear <column>: <old cell text>". True when something was emptied.
bool CutCell(RecordEditEnv& env, const CellRef& cell);
bool ClearCell(RecordEditEnv& env, const CellRef& cell);
// Paste stores a text as the field keeps it (its first line, Notes with CR LF, within its
// limit; a date field takes only "YYYY-MM-DD"). No undo step. True when the record changed.
bool PasteIntoCell(RecordEditEnv& env, const CellRef& cell, const std::string& text);

// Whether deleting needs the user's yes: always but for a single record that is empty.
bool DeleteNeedsQuestion(const CPasswordStore& store, int folder, int row, bool multiSelection);
// "Are you sure ... for <name> ?", or the selected-information question for an empty name.
std::string DeleteRecordsQuestion(const std::string& name);
// Deletes `rows` of the folder (any order; rows that do not exist are skipped) after the undo
// step "delete records" (a multi-selection) or "delete record". Returns the row to make
// current: `currentRow` while it still exists, else the new last row, 0 for an empty folder.
int DeleteRecords(RecordEditEnv& env, int folder, std::vector<int> rows, bool multiSelection,
                  int currentRow);

// Writes the URL, Email and Notes boxes (Notes as shown, with LF line breaks) into the record
// at `row`. True when the record changed; the store is then marked modified.
bool StoreFieldBoxes(CPasswordStore& store, int folder, int row, const std::string& url,
                     const std::string& email, const std::string& notesShown);

// What Send e-mail launches for an address.
std::string MailtoAddress(const std::string& email);

}  // namespace vk
