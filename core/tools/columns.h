#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/settings/settings.h"
#include "core/shell/user_prompt.h"

namespace vk {

// What the name edits accept, in bytes of stored text.
constexpr std::size_t kMaxCategoryNameBytes = 32;
constexpr std::size_t kMaxColumnNameBytes = 32;

// Which of the list fields a column set shows, by field.
using ColumnChoice = std::array<bool, kListFieldCount>;

ColumnChoice ShownColumns(const ColumnSet& set);

// Rebuilds the column set of `category` from the ticked boxes: the fields in field order from
// slot 0, -1 after. With nothing ticked shows "You must select at least one column", keeps
// the set and returns false.
bool SetColumnsFromChoice(CSettings& settings, std::int32_t category, const ColumnChoice& ticked,
                          IUserPrompt& prompt);

// The category's default column set and default name.
void RestoreCategoryDefaults(CSettings& settings, std::int32_t category);

// A typed name as it is kept: at most `limit` bytes, never ending inside a UTF-8 character.
std::string CutName(const std::string& name, std::size_t limit);

// The category takes `name`, cut to its limit. An empty name changes nothing (false).
bool RenameCategory(CSettings& settings, std::int32_t category, const std::string& name);

// A name as a button, frame or menu shows it: every "&" doubled, control characters as blanks.
std::string LabelText(const std::string& name);
// The frame around a category's column boxes: "%s columns" with the label text of the name.
std::string ColumnsFrameText(const std::string& categoryName);
// A stored name where room is short: UTF-8 (or Windows-1252 made UTF-8) without control
// characters, at most `maxChars` characters with "…" standing for the rest.
std::string ShortName(const std::string& name, std::size_t maxChars);

// The position of an icon in the icon table; 0 for an identifier the table does not hold.
int IconIndex(std::int32_t iconId);
int IconIndexOfField(const CSettings& settings, int field);

// Why the icon of a field cannot be changed.
enum class IconRefusal { kNone, kPassword, kDate };
IconRefusal IconChangeRefusal(int field);
// The explanation the page shows; empty for kNone.
const char* IconRefusalText(IconRefusal refusal);

// The field shows the icon at `iconIndex` of the table. False (and nothing changes) for
// the password and date fields and for an index outside the table.
bool SetColumnIcon(CSettings& settings, int field, int iconIndex);

// All fourteen column names and the eleven icons return to their defaults.
void ResetColumnNamesAndIcons(CSettings& settings);

}  // namespace vk
