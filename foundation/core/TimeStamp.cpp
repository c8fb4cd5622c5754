#include "foundation/core/TimeStamp.h"

#include <cstdio>

#include "foundation/core/Clock.h"

namespace PardeloStravon {

std::tm LocalTime(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

std::string NarrowTimeStampAt(std::time_t t) {
  const std::tm tm = LocalTime(t);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%lld %02d:%02d:%02d %02d/%02d/%02d", static_cast<long long>(t),
                tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_mon + 1, tm.tm_mday, tm.tm_year % 100);
  return buf;
}

std::wstring ClockStampAt(std::time_t t) {
  const std::tm tm = LocalTime(t);
  wchar_t buf[16];
  std::swprintf(buf, 16, L"%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

std::string NarrowTimeStamp() { return NarrowTimeStampAt(Now()); }

std::wstring TimeStamp() {
  const std::string s = NarrowTimeStamp();
  return std::wstring(s.begin(), s.end());
}

std::wstring ClockStamp() { return ClockStampAt(Now()); }

}  // namespace PardeloStravon
