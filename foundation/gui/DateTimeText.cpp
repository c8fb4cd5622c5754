#include "foundation/gui/DateTimeText.h"

#include <cstdio>
#include <regex>

namespace PardeloStravon {
namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

}  // namespace

std::wstring DateTimeToText(const LocalDateTime& dt) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%04d-%02d-%02d %02d:%02d:%02d", dt.year, dt.month, dt.day, dt.hour, dt.minute,
                dt.second);
  return buf;
}

std::optional<LocalDateTime> TextToDateTime(const std::wstring& text) {
  static const std::wregex form(LR"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)");
  std::wsmatch m;
  if (!std::regex_match(text, m, form)) return std::nullopt;
  auto field = [&m](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
  const LocalDateTime dt{field(1), field(2), field(3), field(4), field(5), field(6)};
  if (dt.year < 100 || dt.month < 1 || dt.month > 12 || dt.day < 1 || dt.day > DaysInMonth(dt.year, dt.month) ||
      dt.hour > 23 || dt.minute > 59 || dt.second > 59)
    return std::nullopt;
  return dt;
}

}  // namespace PardeloStravon
