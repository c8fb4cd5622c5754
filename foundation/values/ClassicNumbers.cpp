#include "foundation/values/ClassicNumbers.h"

#include <climits>
#include <istream>
#include <iterator>
#include <locale>
#include <ostream>
#include <sstream>

namespace PardeloStravon {
namespace {

template <typename V>
void WriteClassic(std::wostream& os, V v, std::ios_base::fmtflags clear) {
  std::wostringstream text;
  text.imbue(std::locale::classic());
  text.flags(os.flags() & ~clear);
  text.precision(os.precision());
  text << v;
  os << text.str();
}

// The standard extraction with the facets of the classic locale; only the
// stream's flags are taken over, less those in clear.
template <typename V>
bool ReadClassic(std::wistream& is, V& v, std::ios_base::fmtflags clear = {}) {
  const std::wistream::sentry ok(is);
  if (!ok) return false;
  std::wios format(nullptr);
  format.flags(is.flags() & ~clear);
  format.imbue(std::locale::classic());
  std::ios_base::iostate err = std::ios_base::goodbit;
  V read{};
  std::use_facet<std::num_get<wchar_t>>(std::locale::classic())
      .get(std::istreambuf_iterator<wchar_t>(is), std::istreambuf_iterator<wchar_t>(), format,
           err, read);
  is.setstate(err);
  if (err & std::ios_base::failbit) return false;
  v = read;
  return true;
}

}  // namespace

void WriteClassicNumber(std::wostream& os, double v) { WriteClassic(os, v, {}); }

void WriteClassicNumber(std::wostream& os, long v) {
  WriteClassic(os, v, std::ios_base::basefield);
}

bool ReadClassicNumber(std::wistream& is, double& v) { return ReadClassic(is, v); }

bool ReadClassicNumber(std::wistream& is, int& v) {
  long wide = 0;
  if (!ReadClassic(is, wide)) return false;
  if (wide < INT_MIN || wide > INT_MAX) {
    is.setstate(std::ios_base::failbit);
    return false;
  }
  v = static_cast<int>(wide);
  return true;
}

bool ReadClassicNumber(std::wistream& is, bool& v) {
  return ReadClassic(is, v, std::ios_base::boolalpha);
}

}  // namespace PardeloStravon
