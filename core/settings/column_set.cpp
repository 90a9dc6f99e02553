#include "core/settings/column_set.h"

#include "core/settings/stored_value.h"
#include "core/store/password_store.h"

namespace vk {

ColumnSet ColumnSetOf(std::initializer_list<std::int32_t> fields) {
    ColumnSet set;
    set.fill(kEmptySlot);
    std::size_t slot = 0;
    for (std::int32_t field : fields) {
        if (slot == set.size()) break;
        set[slot++] = field;
    }
    return set;
}

ColumnSet DefaultColumnSet(int category) {
    switch (NormaliseCategory(category)) {
        case 2:
            return ColumnSetOf({kDescription, kUsername, kPassword});
        case 3:
            return ColumnSetOf({kDescription, kCreditCard, kBank, kAccount, kPhone, kDateExpires});
        case 4:
            return ColumnSetOf({kTitle, kSerial});
        default:
            return ColumnSetOf({kDescription, kUsername, kPassword, kDateAssigned, kDateExpires});
    }
}

namespace {

// The number at the start of `text`, up to the first character that cannot belong to it.
std::optional<std::int64_t> LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return ParseStoredNumber(text.substr(0, end));
}

}  // namespace

ColumnSet ParseColumnSet(std::string_view text) {
    ColumnSet set;
    set.fill(kEmptySlot);
    std::size_t place = 0;
    for (std::size_t slot = 0; slot < set.size() && place < text.size(); ++slot) {
        const auto number = LeadingNumber(text.substr(place));
        if (number && *number >= 0 && *number < kListFieldCount) {
            set[slot] = static_cast<std::int32_t>(*number);
        }
        const std::size_t comma = text.find(',', place);
        if (comma == std::string_view::npos) break;
        place = comma + 1;
    }
    return set;
}

std::string FormatColumnSet(const ColumnSet& set) {
    std::string text;
    for (std::int32_t slot : set) text += std::to_string(slot) + ",";
    return text;
}

bool HasAnyColumn(const ColumnSet& set) {
    for (std::int32_t slot : set) {
        if (slot >= 0 && slot < kListFieldCount) return true;
    }
    return false;
}

}  // namespace vk
