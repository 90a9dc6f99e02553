#pragma once
#include <locale>
#include <sstream>
#include <string>

#include "core/store/password_store.h"

namespace vk {

// Turns a record's date into the user's short date text.
class IDateFormat {
  public:
    virtual ~IDateFormat() = default;
    // Empty when the year, month or day is zero or the date is not a real calendar date;
    // otherwise at most kMaxDateTextBytes bytes.
    virtual std::string DateText(const SystemTime& date) = 0;
};

constexpr std::size_t kMaxDateTextBytes = 80;

// The short date ("%x") of a C++ locale; by default the user's own, or the classic one
// when the environment names a locale this system does not have.
class CLocaleDateFormat : public IDateFormat {
  public:
    CLocaleDateFormat();
    explicit CLocaleDateFormat(const std::locale& locale);
    std::string DateText(const SystemTime& date) override;

  private:
    std::ostringstream out_;
};

// Checks the calendar fields the date text relies on.
bool IsCalendarDate(const SystemTime& date);

// The user's C++ locale, or the classic one when the environment names a locale this system
// does not have.
std::locale UserLocale();

// `date` written with a strftime picture ("%B %d, %Y") in `locale`; empty when the date is not
// a real calendar date. At most kMaxDateTextBytes bytes.
std::string FormatDate(const SystemTime& date, const char* picture, const std::locale& locale);

// True when `a` lies before `b`, comparing date and time of day.
bool IsBefore(const SystemTime& a, const SystemTime& b);

}  // namespace vk
