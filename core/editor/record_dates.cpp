#include "core/editor/record_dates.h"

#include "core/shell/date_text.h"

namespace vk {
namespace {

constexpr int kFirstYear = 1601;  // the first year a file's date words can name
constexpr int kLastYear = 9999;

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long>(yoe) + era * 400 + (m <= 2);
}

}  // namespace

std::optional<SystemTime> MakeRecordDate(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    SystemTime date;
    date.year = static_cast<std::uint16_t>(year);
    date.month = static_cast<std::uint16_t>(month < 0 ? 0 : month);
    date.day = static_cast<std::uint16_t>(day < 0 ? 0 : day);
    if (month > 12 || day > 31 || !IsCalendarDate(date)) return std::nullopt;
    // 1970-01-01 was a Thursday.
    const long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    date.dayOfWeek = static_cast<std::uint16_t>(((days % 7) + 11) % 7);
    return date;
}

std::optional<SystemTime> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](std::size_t at, std::size_t len) {
        int value = 0;
        for (std::size_t i = at; i < at + len; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const int y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (y < 0 || m < 0 || d < 0) return std::nullopt;
    return MakeRecordDate(y, m, d);
}

std::optional<SystemTime> AddDays(const SystemTime& date, long days) {
    if (!IsCalendarDate(date)) return std::nullopt;
    long y;
    unsigned m, d;
    CivilFromDays(DaysFromCivil(date.year, date.month, date.day) + days, y, m, d);
    if (y < kFirstYear || y > kLastYear) return std::nullopt;
    return MakeRecordDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

std::optional<SystemTime> AddMonths(const SystemTime& date, int months) {
    if (!IsCalendarDate(date)) return std::nullopt;
    const long total = static_cast<long>(date.year) * 12 + (date.month - 1) + months;
    const int year = static_cast<int>(total / 12), month = static_cast<int>(total % 12) + 1;
    for (int day = date.day; day >= 28; --day)
        if (auto moved = MakeRecordDate(year, month, day)) return moved;
    return MakeRecordDate(year, month, date.day);
}

}  // namespace vk
