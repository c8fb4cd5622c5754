#pragma once
// The framework's font records, laid out byte for byte as the document files
// store them: wide 92 bytes, narrow 60 bytes. wchar_t is 4 bytes here, so the
// face name is held in UTF-16 units.
#include <cstdint>

struct LOGFONTW {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char16_t lfFaceName[32] = {};
};

struct LOGFONTA {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char lfFaceName[32] = {};
};

static_assert(sizeof(LOGFONTW) == 92, "the wide font record is 92 bytes on disk");
static_assert(sizeof(LOGFONTA) == 60, "the narrow font record is 60 bytes on disk");

namespace Platform {

constexpr std::size_t LogFontWBytes = 92;
constexpr std::size_t LogFontABytes = 60;

// Explicit little-endian packing, independent of the compiler's layout.
void PackLogFont(const LOGFONTW& lf, std::uint8_t (&bytes)[LogFontWBytes]);
LOGFONTW UnpackLogFont(const std::uint8_t (&bytes)[LogFontWBytes]);
void PackLogFont(const LOGFONTA& lf, std::uint8_t (&bytes)[LogFontABytes]);
LOGFONTA UnpackLogFont(const std::uint8_t (&bytes)[LogFontABytes]);

}  // namespace Platform

// Byte-for-byte equality, as the records are stored.
bool operator==(const LOGFONTW& a, const LOGFONTW& b);
bool operator==(const LOGFONTA& a, const LOGFONTA& b);
