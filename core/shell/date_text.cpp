#include "core/shell/date_text.h"

#include <ctime>
#include <iomanip>
#include <stdexcept>
#include <tuple>

namespace vk {
namespace {

bool IsLeap(unsigned y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::tm CalendarTm(const SystemTime& date) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    // The weekday is derived rather than trusted: the stored word may be anything.
    static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year - (date.month < 3 ? 1 : 0);
    tm.tm_wday = (y + y / 4 - y / 100 + y / 400 + kOffsets[date.month - 1] + date.day) % 7;
    return tm;
}

std::string Formatted(std::ostringstream& out, const SystemTime& date, const char* picture) {
    if (!IsCalendarDate(date)) return {};
    const std::tm tm = CalendarTm(date);
    out.str(std::string());
    out.clear();
    out << std::put_time(&tm, picture);
    std::string text = out.str();
    if (text.size() > kMaxDateTextBytes) text.resize(kMaxDateTextBytes);
    return text;
}

}  // namespace

std::locale UserLocale() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::string FormatDate(const SystemTime& date, const char* picture, const std::locale& locale) {
    std::ostringstream out;
    out.imbue(locale);
    return Formatted(out, date, picture);
}

bool IsBefore(const SystemTime& a, const SystemTime& b) {
    auto key = [](const SystemTime& t) {
        return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, t.milliseconds);
    };
    return key(a) < key(b);
}

bool IsCalendarDate(const SystemTime& d) {
    static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year == 0 || d.month < 1 || d.month > 12 || d.day < 1 || d.year > 30827) return false;
    unsigned days = kDays[d.month - 1] + (d.month == 2 && IsLeap(d.year) ? 1 : 0);
    return d.day <= days;
}

CLocaleDateFormat::CLocaleDateFormat() : CLocaleDateFormat(UserLocale()) {}

CLocaleDateFormat::CLocaleDateFormat(const std::locale& locale) {
    out_.imbue(locale);
}

std::string CLocaleDateFormat::DateText(const SystemTime& date) {
    return Formatted(out_, date, "%x");
}

}  // namespace vk
