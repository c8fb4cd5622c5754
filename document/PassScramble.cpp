#include "document/PassScramble.h"

#include <cstdint>
#include <vector>

namespace PardeloStravon {

namespace {

// Files were scrambled one UTF-16 unit at a time: a character above U+FFFF
// takes two positions. A lone surrogate half is kept as the unit it is.
std::vector<char16_t> Units(const std::wstring& text) {
  std::vector<char16_t> units;
  units.reserve(text.size());
  for (const wchar_t c : text) {
    const auto cp = static_cast<std::uint32_t>(c);
    if (cp > 0xFFFF && cp <= 0x10FFFF) {
      units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(cp & 0xFFFF));
    }
  }
  return units;
}

std::wstring FromUnits(const std::vector<char16_t>& units) {
  std::wstring text;
  text.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      text += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else {
      text += static_cast<wchar_t>(u);
    }
  }
  return text;
}

void CheckVersion(int version) {
  if (version != 1 && version != 2) throw BadPassVersion{version};
}

}  // namespace

std::wstring ScramblePass(const std::wstring& password, int version) {
  CheckVersion(version);
  if (version == 1) return password;
  std::vector<char16_t> units = Units(password);
  for (std::size_t i = 0; i < units.size(); ++i) {
    const unsigned key = ((static_cast<unsigned>(i) + PassKeyOffset) * PassKeyFactor) & 0xFFu;
    const unsigned low = units[i] & 0xFFu;
    // Units whose low byte is 0, or would become 0, stay: the stored form
    // never gains a zero byte.
    if (low != 0 && (low ^ key) != 0) units[i] = static_cast<char16_t>((units[i] & 0xFF00u) | (low ^ key));
  }
  return FromUnits(units);
}

std::wstring UnscramblePass(const std::wstring& stored, int version) {
  return ScramblePass(stored, version);
}

int PassVersionOfDocVersion(int docVersion) {
  if (docVersion >= 15 && docVersion <= 21) return 1;
  if (docVersion >= 22 && docVersion <= 25) return 2;
  return 0;
}

}  // namespace PardeloStravon
