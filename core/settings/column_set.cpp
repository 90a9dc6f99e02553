#include "core/settings/column_set.h"

#include <initializer_list>

#include "core/settings/stored_value.h"
#include "core/store/password_store.h"

namespace vk {

ColumnSet DefaultColumnSet(int category) {
    ColumnSet set;
    set.fill(kEmptySlot);
    auto place = [&set](std::initializer_list<std::int32_t> fields) {
        std::size_t slot = 0;
        for (std::int32_t field : fields) set[slot++] = field;
    };
    switch (NormaliseCategory(category)) {
        case 2:
            place({kDescription, kUsername, kPassword});
            break;
        case 3:
            place({kDescription, kCreditCard, kBank, kAccount, kPhone, kDateExpires});
            break;
        case 4:
            place({kTitle, kSerial});
            break;
        default:
            place({kDescription, kUsername, kPassword, kDateAssigned, kDateExpires});
            break;
    }
    return set;
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
