#pragma once
#include <optional>
#include <string_view>

#include "core/store/password_store.h"

namespace vk {

// A date as records keep it: the calendar day with its day of the week (Sunday 0), the time
// zero. Nothing for a day the calendar does not have or a year outside 1601..9999.
std::optional<SystemTime> MakeRecordDate(int year, int month, int day);

// "YYYY-MM-DD", exactly so.
std::optional<SystemTime> ParseIsoDate(std::string_view text);

// The record date `days` days after `date` (before, when negative); nothing when it would
// leave the years a record can hold.
std::optional<SystemTime> AddDays(const SystemTime& date, long days);
// The same day `months` months later (earlier when negative), or the month's last day when it
// is shorter.
std::optional<SystemTime> AddMonths(const SystemTime& date, int months);

}  // namespace vk
