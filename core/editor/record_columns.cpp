#include "core/editor/record_columns.h"

#include "core/editor/record_sort.h"
#include "core/settings/settings.h"
#include "core/shell/date_text.h"

namespace vk {

std::vector<GridColumn> GridColumnsFor(const CSettings& settings, std::int32_t category) {
    std::vector<GridColumn> columns;
    for (const std::int32_t field : settings.ColumnsOf(category)) {
        if (field < 0 || field >= kListFieldCount) continue;
        columns.push_back({field, settings.columnNames[static_cast<std::size_t>(field)]});
    }
    return columns;
}

int GridColumnOfSlot(const CSettings& settings, std::int32_t category, int slot) {
    const ColumnSet& set = settings.ColumnsOf(category);
    if (slot < 0 || slot >= kColumnSlotCount) return -1;
    const auto shows = [](std::int32_t field) { return field >= 0 && field < kListFieldCount; };
    if (!shows(set[static_cast<std::size_t>(slot)])) return -1;
    int column = 0;
    for (int s = 0; s < slot; ++s) column += shows(set[static_cast<std::size_t>(s)]) ? 1 : 0;
    return column;
}

std::string CellText(const CRecord& record, int field, bool mask, IDateFormat& dates) {
    if (field == kDateAssigned) return dates.DateText(record.dateAssigned);
    if (field == kDateExpires) return dates.DateText(record.dateExpires);
    if (field < 0 || field >= kFieldCount) return {};
    if (field == kPassword && mask) return record[field].empty() ? std::string() : kMaskedText;
    return record[field];
}

bool IsExpiredCell(const CRecord& record, int field, const SystemTime& now) {
    return field == kDateExpires && IsCalendarDate(record.dateExpires) &&
           CompareDates(record.dateExpires, now) < 0;
}

}  // namespace vk
