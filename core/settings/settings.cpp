#include "core/settings/settings.h"

namespace vk {

const ColumnSet& CSettings::ColumnsOf(std::int32_t category) const {
    return columnSets[static_cast<std::size_t>(NormaliseCategory(category) - 1)];
}

ColumnSet& CSettings::ColumnsOf(std::int32_t category) {
    return columnSets[static_cast<std::size_t>(NormaliseCategory(category) - 1)];
}

std::array<ColumnSet, kCategoryCount> CSettings::DefaultColumnSets() {
    std::array<ColumnSet, kCategoryCount> sets;
    for (int category = 1; category <= kCategoryCount; ++category) {
        sets[static_cast<std::size_t>(category - 1)] = DefaultColumnSet(category);
    }
    return sets;
}

std::array<std::string, kCategoryNameCount> CSettings::DefaultCategoryNames() {
    return {"Default", "Internet", "Banking", "Software", ""};
}

std::array<std::string, kFieldCount> CSettings::DefaultColumnNames() {
    std::array<std::string, kFieldCount> names;
    for (int field = 0; field < kFieldCount; ++field) {
        names[static_cast<std::size_t>(field)] = DefaultFieldName(field);
    }
    return names;
}

std::array<std::int32_t, kListFieldCount> CSettings::DefaultColumnIcons() {
    return kColumnIconTable;
}

}  // namespace vk
