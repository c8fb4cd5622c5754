#pragma once
// Expected legacy-archive bytes, built by hand: little-endian 4-byte
// integers, one-byte booleans, framework strings as FF FE FF, a one-byte
// length and UTF-16LE units (texts here are shorter than 255 units).
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

struct LegacyBytes {
  std::vector<std::uint8_t> b;

  LegacyBytes& Int(std::int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(std::uint32_t(v) >> (8 * i)));
    return *this;
  }
  LegacyBytes& Bool(bool v) {
    b.push_back(v ? 1 : 0);
    return *this;
  }
  LegacyBytes& Str(const std::wstring& s) {
    b.insert(b.end(), {0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(s.size())});
    for (wchar_t c : s) {
      b.push_back(static_cast<std::uint8_t>(c & 0xFF));
      b.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    }
    return *this;
  }
  LegacyBytes& Append(const LegacyBytes& other) {
    b.insert(b.end(), other.b.begin(), other.b.end());
    return *this;
  }
};

}  // namespace TestSupport
