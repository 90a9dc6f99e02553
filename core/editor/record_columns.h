#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/password_store.h"

namespace vk {

struct CSettings;
class IDateFormat;

// What a grid cell shows for a non-empty password while passwords are masked.
inline constexpr char kMaskedText[] = "*****";

// One column of the record grid: the field it shows and its title.
struct GridColumn {
    int field = 0;
    std::string title;
};

// The grid's columns for a folder of `category`: one for each slot of the category's column
// set that names a list field, in slot order, titled with the field's column name.
std::vector<GridColumn> GridColumnsFor(const CSettings& settings, std::int32_t category);

// The grid column that shows slot `slot` of `category`'s column set: the number of slots
// before it that name a list field. -1 when the slot names none.
int GridColumnOfSlot(const CSettings& settings, std::int32_t category, int slot);

// The text of a record's cell: the date text for the two date fields (empty without a date),
// "*****" for a non-empty password while masking, else the field's text.
std::string CellText(const CRecord& record, int field, bool mask, IDateFormat& dates);

// A Date expires cell that shows a date, and that date lies before `now`.
bool IsExpiredCell(const CRecord& record, int field, const SystemTime& now);

}  // namespace vk
