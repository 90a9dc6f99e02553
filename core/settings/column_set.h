#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vk {

// Fields 0..10 can be list columns; URL, Email and Notes have their own edit fields.
constexpr int kListFieldCount = 11;
constexpr int kColumnSlotCount = 11;
constexpr std::int32_t kEmptySlot = -1;

// The columns of a category in display order: field indexes 0..10, or -1 for an empty slot.
using ColumnSet = std::array<std::int32_t, kColumnSlotCount>;

// The fields in the first slots, the other slots empty; fields beyond the eleventh are dropped.
ColumnSet ColumnSetOf(std::initializer_list<std::int32_t> fields);

// The column set a category starts with; a category outside 1..4 counts as the first.
ColumnSet DefaultColumnSet(int category);

// Reads a stored set: up to eleven numbers, each followed by a comma; reading stops at the
// end of the text or where no comma follows. Slots not given, and numbers that name no list
// field, are empty.
ColumnSet ParseColumnSet(std::string_view text);

// All eleven slots, each written as "%d,".
std::string FormatColumnSet(const ColumnSet& set);

// At least one slot names a list field.
bool HasAnyColumn(const ColumnSet& set);

}  // namespace vk
