#include "core/tools/import_dates.h"

#include <vector>

namespace vk {
namespace {

struct Number {
    unsigned value;
    std::size_t digits;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The runs of ASCII digits in `text`; nothing when it holds a letter or a run too long to be
// part of a date.
std::optional<std::vector<Number>> NumbersIn(std::string_view text) {
    std::vector<Number> numbers;
    for (std::size_t i = 0; i < text.size();) {
        if (IsLetter(text[i])) return std::nullopt;
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        Number n{0, 0};
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            if (++n.digits > 4) return std::nullopt;
            n.value = n.value * 10 + static_cast<unsigned>(text[i] - '0');
        }
        numbers.push_back(n);
    }
    return numbers;
}

std::uint16_t DayOfWeek(unsigned year, unsigned month, unsigned day) {
    static const unsigned kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const unsigned y = year - (month < 3 ? 1 : 0);
    return static_cast<std::uint16_t>((y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) %
                                      7);
}

}  // namespace

CDateTextReader::CDateTextReader(IDateFormat& dates) {
    // A date whose day, month and year cannot be mistaken for each other.
    SystemTime probe;
    probe.year = 2033;
    probe.month = 11;
    probe.day = 22;
    const auto numbers = NumbersIn(dates.DateText(probe));
    if (!numbers || numbers->size() != 3) return;
    bool seen[3] = {false, false, false};
    for (std::size_t i = 0; i < 3; ++i) {
        const unsigned v = (*numbers)[i].value;
        Part part;
        if (v == probe.day)
            part = kDay;
        else if (v == probe.month)
            part = kMonth;
        else if (v == probe.year || v == probe.year % 100u)
            part = kYear;
        else
            return;
        if (seen[part]) return;
        seen[part] = true;
        order_[i] = part;
    }
    known_ = true;
}

std::optional<SystemTime> CDateTextReader::Read(std::string_view text) const {
    if (!known_) return std::nullopt;
    const auto numbers = NumbersIn(text);
    if (!numbers || numbers->size() != 3) return std::nullopt;
    unsigned day = 0, month = 0, year = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const Number& n = (*numbers)[i];
        switch (order_[i]) {
            case kDay:
                if (n.digits > 2) return std::nullopt;
                day = n.value;
                break;
            case kMonth:
                if (n.digits > 2) return std::nullopt;
                month = n.value;
                break;
            case kYear:
                year = n.digits <= 2 ? (n.value < 69 ? 2000 + n.value : 1900 + n.value) : n.value;
                break;
        }
    }
    SystemTime date;
    date.year = static_cast<std::uint16_t>(year);
    date.month = static_cast<std::uint16_t>(month);
    date.day = static_cast<std::uint16_t>(day);
    if (!IsCalendarDate(date)) return std::nullopt;
    date.dayOfWeek = DayOfWeek(year, month, day);
    return date;
}

}  // namespace vk
