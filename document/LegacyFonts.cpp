#include "document/LegacyFonts.h"

#include <algorithm>

#include "foundation/core/FrameworkAdapters.h"

namespace PardeloStravon {

namespace {

template <class Font, std::size_t N>
VUC Pack(const Font& lf) {
  std::uint8_t bytes[N];
  Platform::PackLogFont(lf, bytes);
  return VUC(bytes, bytes + N);
}

template <class Font, std::size_t N>
void Unpack(const VUC& v, Font& lf) {
  Detail::CheckStoredSize(v, N);
  std::uint8_t bytes[N];
  std::copy(v.begin(), v.end(), bytes);
  lf = Platform::UnpackLogFont(bytes);
}

template <class Font>
LegacyArchive& ReadFont(LegacyArchive& ar, Font& lf) {
  VUC bytes;
  ar >> bytes;
  UVector2Struct(bytes, lf);
  return ar;
}

}  // namespace

VUC Struct2UVector(const LOGFONTA& lf) { return Pack<LOGFONTA, Platform::LogFontABytes>(lf); }
VUC Struct2UVector(const LOGFONTW& lf) { return Pack<LOGFONTW, Platform::LogFontWBytes>(lf); }

void UVector2Struct(const VUC& bytes, LOGFONTA& lf) {
  Unpack<LOGFONTA, Platform::LogFontABytes>(bytes, lf);
}
void UVector2Struct(const VUC& bytes, LOGFONTW& lf) {
  Unpack<LOGFONTW, Platform::LogFontWBytes>(bytes, lf);
}

LegacyArchive& operator<<(LegacyArchive& ar, const LOGFONTA& lf) { return ar << Struct2UVector(lf); }
LegacyArchive& operator<<(LegacyArchive& ar, const LOGFONTW& lf) { return ar << Struct2UVector(lf); }
LegacyArchive& operator>>(LegacyArchive& ar, LOGFONTA& lf) { return ReadFont(ar, lf); }
LegacyArchive& operator>>(LegacyArchive& ar, LOGFONTW& lf) { return ReadFont(ar, lf); }

}  // namespace PardeloStravon
