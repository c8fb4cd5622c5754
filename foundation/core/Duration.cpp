#include "foundation/core/Duration.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cwctype>
#include <limits>

#include "foundation/core/Clock.h"

namespace PardeloStravon {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

std::wstring Trim(const std::wstring& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// A trimmed text that is one 32-bit decimal integer with an optional sign.
std::optional<long> WholeNumber(const std::wstring& t) {
  std::size_t i = 0;
  if (!t.empty() && (t[0] == L'+' || t[0] == L'-')) i = 1;
  if (i == t.size()) return std::nullopt;
  for (std::size_t k = i; k < t.size(); ++k)
    if (t[k] < L'0' || t[k] > L'9') return std::nullopt;
  errno = 0;
  const long long v = std::wcstoll(t.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return std::nullopt;
  return static_cast<long>(v);
}

// Anything that is no whole number counts 0.
long ReadNumber(const std::wstring& text) { return WholeNumber(Trim(text)).value_or(0); }

bool IsEmptyOrWhole(const std::wstring& piece) {
  const std::wstring t = Trim(piece);
  return t.empty() || WholeNumber(t).has_value();
}

// One field from the right end, before the last colon.
long TakeRightField(std::wstring& rest) {
  rest = Trim(rest);
  if (rest.empty()) return 0;
  const auto colon = rest.rfind(L':');
  if (colon == std::wstring::npos) {
    const long v = ReadNumber(rest);
    rest.clear();
    return v;
  }
  long v = 0;
  if (colon + 1 < rest.size()) v = ReadNumber(rest.substr(colon + 1));
  rest.erase(colon);
  return v;
}

std::wstring PositiveDurationText(long n) {
  long v = n % 16777216;
  const long s = v % 60;
  v /= 60;
  std::wstring text = std::to_wstring(s);
  if (v != 0) {
    const long m = v % 60;
    v /= 60;
    text = std::to_wstring(m) + L":" + (s < 10 ? L"0" : L"") + text;
    if (v != 0) {
      const long h = v % 24;
      v /= 24;
      text = std::to_wstring(h) + L":" + (m < 10 ? L"0" : L"") + text;
      if (v != 0) text = std::to_wstring(v) + L" " + text;
    }
  }
  return text;
}

}  // namespace

std::wstring DurationToText(long seconds) {
  // Every value down to -59 reads as the plain rule gives it ("-5"); below
  // that the rule's mixed signs make no sense, so the magnitude is shown.
  if (seconds < 0) {
    const long magnitude = -(seconds % 16777216);
    return L"-" + PositiveDurationText(magnitude);
  }
  return PositiveDurationText(seconds);
}

long TextToDuration(const std::wstring& text) {
  long long days = 0;
  std::wstring rest = Trim(text);
  if (!rest.empty()) {
    const auto space = rest.find(L' ');
    if (space != std::wstring::npos && space + 1 < rest.size()) {
      days = ReadNumber(rest.substr(0, space));
      rest = rest.substr(space + 1);
    } else if (space != std::wstring::npos) {
      rest = rest.substr(0, space);
    }
  }
  const long long seconds = TakeRightField(rest);
  const long long minutes = TakeRightField(rest);
  const long long hours = ReadNumber(rest);
  const long long total = ((days * 24 + hours) * 60 + minutes) * 60 + seconds;
  if (total > MaxDuration) return MaxDuration;
  if (total < LONG_MIN) return LONG_MIN;
  return static_cast<long>(total);
}

std::time_t TimePlus(std::time_t t, long long seconds) {
  std::time_t sum = 0;
  if (!__builtin_add_overflow(t, seconds, &sum)) return sum;
  return seconds > 0 ? std::numeric_limits<std::time_t>::max()
                     : std::numeric_limits<std::time_t>::min();
}

std::time_t TimeMinus(std::time_t t, long long seconds) {
  std::time_t difference = 0;
  if (!__builtin_sub_overflow(t, seconds, &difference)) return difference;
  return seconds < 0 ? std::numeric_limits<std::time_t>::max()
                     : std::numeric_limits<std::time_t>::min();
}

std::optional<long> TextToDurationStrict(const std::wstring& text) {
  std::wstring rest = Trim(text);
  const auto space = rest.find(L' ');
  if (space != std::wstring::npos) {
    if (!IsEmptyOrWhole(rest.substr(0, space))) return std::nullopt;
    rest.erase(0, space + 1);
  }
  // Hours, minutes and seconds: at most two colons.
  int pieces = 0;
  for (std::size_t from = 0;; ++pieces) {
    const auto colon = rest.find(L':', from);
    if (!IsEmptyOrWhole(rest.substr(from, colon == std::wstring::npos ? colon : colon - from)))
      return std::nullopt;
    if (colon == std::wstring::npos) break;
    from = colon + 1;
  }
  if (pieces > 2) return std::nullopt;
  return TextToDuration(text);
}

bool DeadlineReached(bool enabled, std::time_t& deadline, long delay) {
  return DeadlineReachedAt(enabled, deadline, delay, Now());
}

bool DeadlineReachedAt(bool enabled, std::time_t& deadline, long delay, std::time_t now) {
  if (!enabled) {
    deadline = 0;
    return false;
  }
  if (deadline == 0) deadline = TimePlus(now, delay);
  return deadline <= now;
}

std::time_t NextPeriodTime(std::time_t next, long period) {
  if (period <= 0) period = 1;
  const std::time_t now = Now();
  // In 128 bits nothing here can overflow. The ceiling of the integer
  // quotient equals that of a floating-point division for every distance a
  // double holds exactly, and stays exact beyond.
  typedef __int128 Wide;
  const Wide distance = Wide{now} - next;
  Wide k = distance / period;
  if (distance % period > 0) ++k;
  const Wide due = Wide{next} + k * period;
  if (due > std::numeric_limits<std::time_t>::max()) return std::numeric_limits<std::time_t>::max();
  if (due < std::numeric_limits<std::time_t>::min()) return std::numeric_limits<std::time_t>::min();
  return static_cast<std::time_t>(due);
}

}  // namespace PardeloStravon
