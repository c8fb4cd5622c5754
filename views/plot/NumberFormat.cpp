#include "views/plot/NumberFormat.h"

#include <cwchar>
#include <mutex>
#include <set>
#include <vector>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

const std::wstring DefaultNumberFormat = L"%5.1f";

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads up to two digits; false when a third follows.
bool SkipShortNumber(const std::wstring& f, std::size_t& i) {
  std::size_t n = 0;
  while (i < f.size() && IsDigit(f[i])) {
    ++i;
    ++n;
  }
  return n <= 2;
}

}  // namespace

bool IsSafeNumberFormat(const std::wstring& f) {
  int conversions = 0;
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] != L'%') continue;
    ++i;
    if (i < f.size() && f[i] == L'%') continue;
    while (i < f.size() && std::wcschr(L"-+ #0", f[i]) && f[i] != L'\0') ++i;
    if (!SkipShortNumber(f, i)) return false;
    if (i < f.size() && f[i] == L'.') {
      ++i;
      if (!SkipShortNumber(f, i)) return false;
    }
    if (i < f.size() && f[i] == L'l') ++i;
    if (i >= f.size() || !std::wcschr(L"feEgG", f[i]) || f[i] == L'\0') return false;
    if (++conversions > 1) return false;
  }
  return true;
}

std::wstring CheckedNumberFormat(const std::wstring& format) {
  if (IsSafeNumberFormat(format)) return format;
  static std::mutex m;
  static std::set<std::wstring> reported;
  bool first;
  {
    std::lock_guard<std::mutex> lock(m);
    first = reported.insert(format).second;
  }
  if (first)
    ErrorLog << TimeStamp() << L" Refused number format \"" << format << L"\" of the graph, using \""
             << DefaultNumberFormat << L"\"" << std::endl;
  return DefaultNumberFormat;
}

std::wstring FormatNumber(const std::wstring& format, double value) {
  const std::wstring f = CheckedNumberFormat(format);
  // A width and a precision of two digits each bound the number's length;
  // a double in %f needs at most 309 digits before the point.
  std::vector<wchar_t> buf(f.size() + 512);
  const int n = std::swprintf(buf.data(), buf.size(), f.c_str(), value);
  if (n < 0) return std::wstring();
  return std::wstring(buf.data(), static_cast<std::size_t>(n));
}

}  // namespace PardeloStravon
