#pragma once
// Local calendar date-times as the dialogs show and read them, and their
// conversion to and from seconds since 1970.
#include <ctime>

namespace PardeloStravon {

struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// Local date-time to seconds since 1970, corrected once for a change of the
// local offset from UTC between 1970 and the date.
std::time_t OleDateTimeToTime(const LocalDateTime& dt);
// The local date-time fields of an instant.
LocalDateTime ToOleDateTime(std::time_t t);

}  // namespace PardeloStravon
