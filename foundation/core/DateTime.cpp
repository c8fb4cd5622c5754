#include "foundation/core/DateTime.h"

#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {
namespace {

// The date-time fields read as if they were UTC: a plain count of seconds of
// the calendar, free of any time zone.
long long CalendarSeconds(const LocalDateTime& dt) {
  std::tm tm{};
  tm.tm_year = dt.year - 1900;
  tm.tm_mon = dt.month - 1;
  tm.tm_mday = dt.day;
  tm.tm_hour = dt.hour;
  tm.tm_min = dt.minute;
  tm.tm_sec = dt.second;
  return static_cast<long long>(timegm(&tm));
}

}  // namespace

LocalDateTime ToOleDateTime(std::time_t t) {
  const std::tm tm = LocalTime(t);
  return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::time_t OleDateTimeToTime(const LocalDateTime& dt) {
  const long long origin = CalendarSeconds(ToOleDateTime(0));
  const long long a = CalendarSeconds(dt) - origin;
  const long long b = CalendarSeconds(ToOleDateTime(static_cast<std::time_t>(a))) - origin;
  return static_cast<std::time_t>(2 * a - b);
}

}  // namespace PardeloStravon
