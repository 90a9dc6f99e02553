#pragma once
#include <optional>
#include <string_view>

namespace vk {

// The short word that names a field on the command line ("serial", "card", ...).
const char* FieldShortName(int field);

// A field named the way every command accepts it: the name `DefaultFieldName` gives (any
// letter case, "Serial #"), the short word, or the number 0 to 13. Nothing for anything else.
std::optional<int> FieldFromName(std::string_view name);

}  // namespace vk
