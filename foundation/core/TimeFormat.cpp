#include "foundation/core/TimeFormat.h"

#include <cwchar>
#include <vector>

#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

std::wstring FormatLocalTime(std::time_t t, const std::wstring& format, bool breaksAsBlanks) {
  const std::tm local = LocalTime(t);
  // wcsftime answers 0 both for a buffer too small and for an empty text: a
  // blank after the format makes every fitting result at least one long.
  const std::wstring marked = format + L' ';
  std::vector<wchar_t> buffer(64 + 4 * marked.size());
  // Conversions grow a text by a bounded factor; past this nothing fits.
  const std::size_t limit = 1024 + 1024 * marked.size();
  for (;;) {
    const std::size_t n = std::wcsftime(buffer.data(), buffer.size(), marked.c_str(), &local);
    if (n > 0) {
      std::wstring text(buffer.data(), n - 1);
      if (breaksAsBlanks)
        for (wchar_t& c : text)
          if (c == L'\n' || c == L'\r') c = L' ';
      return text;
    }
    if (buffer.size() >= limit) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace PardeloStravon
