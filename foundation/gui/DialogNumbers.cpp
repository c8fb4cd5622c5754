#include "foundation/gui/DialogNumbers.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <limits>
#include <locale.h>
#include <sstream>

namespace PardeloStravon {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The text without its blanks and tabs at both ends, as plain ASCII; none
// when a character lies outside ASCII (no number holds one).
std::optional<std::string> Core(const std::wstring& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string core;
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] <= 0 || text[i] >= 0x80) return std::nullopt;
    core.push_back(static_cast<char>(text[i]));
  }
  return core;
}

locale_t ClassicLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

std::optional<double> ReadReal(const std::wstring& text) {
  const std::optional<std::string> core = Core(text);
  if (!core || core->empty()) return std::nullopt;
  const char* begin = core->c_str();
  char* stop = nullptr;
  const double v = strtod_l(begin, &stop, ClassicLocale());
  if (stop == begin || *stop != '\0') return std::nullopt;
  if (v == 0 && (*core)[0] != '0') return std::nullopt;
  return v;
}

template <class T>
std::wstring Show(T v, int digits) {
  std::wostringstream out;
  out.imbue(std::locale::classic());
  out << std::setprecision(digits) << v;
  return out.str();
}

}  // namespace

std::optional<int> ReadDialogInt(const std::wstring& text) {
  const std::optional<std::string> core = Core(text);
  if (!core || core->empty()) return std::nullopt;
  std::size_t i = 0;
  const bool negative = (*core)[0] == '-';
  if ((*core)[0] == '+' || negative) ++i;
  if (i == core->size()) return std::nullopt;
  long long v = 0;
  for (; i < core->size(); ++i) {
    const char c = (*core)[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
  if (v == 0 && (*core)[0] != '0') return std::nullopt;
  return static_cast<int>(v);
}

std::optional<float> ReadDialogFloat(const std::wstring& text) {
  const std::optional<double> v = ReadReal(text);
  if (!v) return std::nullopt;
  const float f = static_cast<float>(*v);
  if (!std::isfinite(f)) return std::nullopt;
  return f;
}

std::optional<double> ReadDialogDouble(const std::wstring& text) {
  const std::optional<double> v = ReadReal(text);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

std::wstring ShowDialogInt(int v) { return std::to_wstring(v); }

std::wstring ShowDialogFloat(float v) { return Show(static_cast<double>(v), 6); }

std::wstring ShowDialogDouble(double v) { return Show(v, 15); }

}  // namespace PardeloStravon
