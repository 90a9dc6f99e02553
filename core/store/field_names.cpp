#include "core/store/field_names.h"

#include <string>

#include "core/store/password_store.h"

namespace vk {
namespace {

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

const char* FieldShortName(int field) {
    static const char* const kWords[kFieldCount] = {
        "description", "username", "password", "title",   "serial", "card",  "bank",
        "account",     "phone",    "assigned", "expires", "url",    "email", "notes"};
    return field >= 0 && field < kFieldCount ? kWords[field] : "";
}

std::optional<int> FieldFromName(std::string_view name) {
    if (!name.empty() && name.size() <= 2 &&
        name.find_first_not_of("0123456789") == std::string_view::npos) {
        const int number = std::stoi(std::string(name));
        if (number < kFieldCount) return number;
        return std::nullopt;
    }
    for (int field = 0; field < kFieldCount; ++field)
        if (SameWord(name, DefaultFieldName(field)) || SameWord(name, FieldShortName(field)))
            return field;
    return std::nullopt;
}

}  // namespace vk
