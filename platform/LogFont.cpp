#include "platform/LogFont.h"

#include <cstring>

namespace Platform {
namespace {

void Put32(std::uint8_t* p, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t Get32(const std::uint8_t* p) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

template <typename Font>
void PackHead(const Font& lf, std::uint8_t* p) {
  Put32(p + 0, lf.lfHeight);
  Put32(p + 4, lf.lfWidth);
  Put32(p + 8, lf.lfEscapement);
  Put32(p + 12, lf.lfOrientation);
  Put32(p + 16, lf.lfWeight);
  const std::uint8_t tail[8] = {lf.lfItalic,       lf.lfUnderline,     lf.lfStrikeOut,
                                lf.lfCharSet,      lf.lfOutPrecision, lf.lfClipPrecision,
                                lf.lfQuality,      lf.lfPitchAndFamily};
  std::memcpy(p + 20, tail, 8);
}

template <typename Font>
void UnpackHead(Font& lf, const std::uint8_t* p) {
  lf.lfHeight = Get32(p + 0);
  lf.lfWidth = Get32(p + 4);
  lf.lfEscapement = Get32(p + 8);
  lf.lfOrientation = Get32(p + 12);
  lf.lfWeight = Get32(p + 16);
  lf.lfItalic = p[20];
  lf.lfUnderline = p[21];
  lf.lfStrikeOut = p[22];
  lf.lfCharSet = p[23];
  lf.lfOutPrecision = p[24];
  lf.lfClipPrecision = p[25];
  lf.lfQuality = p[26];
  lf.lfPitchAndFamily = p[27];
}

}  // namespace

void PackLogFont(const LOGFONTW& lf, std::uint8_t (&bytes)[LogFontWBytes]) {
  PackHead(lf, bytes);
  for (int i = 0; i < 32; ++i) {
    bytes[28 + 2 * i] = static_cast<std::uint8_t>(lf.lfFaceName[i] & 0xFF);
    bytes[29 + 2 * i] = static_cast<std::uint8_t>(lf.lfFaceName[i] >> 8);
  }
}

LOGFONTW UnpackLogFont(const std::uint8_t (&bytes)[LogFontWBytes]) {
  LOGFONTW lf;
  UnpackHead(lf, bytes);
  for (int i = 0; i < 32; ++i)
    lf.lfFaceName[i] = static_cast<char16_t>(bytes[28 + 2 * i] | (bytes[29 + 2 * i] << 8));
  return lf;
}

void PackLogFont(const LOGFONTA& lf, std::uint8_t (&bytes)[LogFontABytes]) {
  PackHead(lf, bytes);
  std::memcpy(bytes + 28, lf.lfFaceName, 32);
}

LOGFONTA UnpackLogFont(const std::uint8_t (&bytes)[LogFontABytes]) {
  LOGFONTA lf;
  UnpackHead(lf, bytes);
  std::memcpy(lf.lfFaceName, bytes + 28, 32);
  return lf;
}

}  // namespace Platform

bool operator==(const LOGFONTW& a, const LOGFONTW& b) {
  std::uint8_t x[Platform::LogFontWBytes], y[Platform::LogFontWBytes];
  Platform::PackLogFont(a, x);
  Platform::PackLogFont(b, y);
  return std::memcmp(x, y, Platform::LogFontWBytes) == 0;
}

bool operator==(const LOGFONTA& a, const LOGFONTA& b) {
  std::uint8_t x[Platform::LogFontABytes], y[Platform::LogFontABytes];
  Platform::PackLogFont(a, x);
  Platform::PackLogFont(b, y);
  return std::memcmp(x, y, Platform::LogFontABytes) == 0;
}

