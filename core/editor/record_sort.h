#pragma once
#include "core/store/password_store.h"

namespace vk {

// Orders a folder's records by one field, changing the stored order (and so the order the file
// keeps). Dates compare as dates, texts ignoring letter case; records whose fourteen fields
// are all empty come after all others in both directions. Records that compare equal keep
// their order. The list is left alone (and stays shared with undo steps) when it is in order
// already. True when the order changed.
bool SortRecords(CRecordList& records, int field, bool descending);

// Orders two dates by year, month, day and time of day: negative, zero or positive.
int CompareDates(const SystemTime& a, const SystemTime& b);

}  // namespace vk
