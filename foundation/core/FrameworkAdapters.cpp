#include "foundation/core/FrameworkAdapters.h"

#include <cstring>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

CString ToCString(const std::wstring& text) { return CString(text); }

std::wstring ToWString(const CString& text) { return text.Text(); }

LegacyArchive& operator<<(LegacyArchive& ar, const std::wstring& text) {
  ar.WriteWideString(ToUtf16(text));
  return ar;
}

LegacyArchive& operator>>(LegacyArchive& ar, std::wstring& text) {
  text = FromUtf16(ar.ReadString());
  return ar;
}

LegacyArchive& operator<<(LegacyArchive& ar, const CString& text) { return ar << text.Text(); }

LegacyArchive& operator>>(LegacyArchive& ar, CString& text) {
  std::wstring s;
  ar >> s;
  text = CString(s);
  return ar;
}

LegacyArchive& operator<<(LegacyArchive& ar, const VUC& v) {
  ar << static_cast<std::int32_t>(v.size());
  ar.WriteBytes(v.data(), v.size());
  return ar;
}

LegacyArchive& operator>>(LegacyArchive& ar, VUC& v) {
  std::int32_t count = 0;
  ar >> count;
  if (count < 0) throw Platform::LegacyArchiveError("Legacy archive: negative byte count");
  ar.Require(static_cast<std::size_t>(count), "a byte vector");
  if (v.size() < static_cast<std::size_t>(count)) v.resize(static_cast<std::size_t>(count));
  ar.ReadBytes(v.data(), static_cast<std::size_t>(count));
  return ar;
}

namespace {

template <typename From, typename To>
void CopyFontHead(const From& f, To& t) {
  t.lfHeight = f.lfHeight;
  t.lfWidth = f.lfWidth;
  t.lfEscapement = f.lfEscapement;
  t.lfOrientation = f.lfOrientation;
  t.lfWeight = f.lfWeight;
  t.lfItalic = f.lfItalic;
  t.lfUnderline = f.lfUnderline;
  t.lfStrikeOut = f.lfStrikeOut;
  t.lfCharSet = f.lfCharSet;
  t.lfOutPrecision = f.lfOutPrecision;
  t.lfClipPrecision = f.lfClipPrecision;
  t.lfQuality = f.lfQuality;
  t.lfPitchAndFamily = f.lfPitchAndFamily;
}

}  // namespace

LOGFONTA ToLogFontA(const LOGFONTW& lf) {
  LOGFONTA a;
  CopyFontHead(lf, a);
  for (int i = 0; i < 32; ++i) a.lfFaceName[i] = static_cast<char>(lf.lfFaceName[i] & 0xFF);
  return a;
}

LOGFONTW ToLogFontW(const LOGFONTA& lf) {
  LOGFONTW w;
  CopyFontHead(lf, w);
  for (int i = 0; i < 32; ++i)
    w.lfFaceName[i] = static_cast<char16_t>(static_cast<unsigned char>(lf.lfFaceName[i]));
  return w;
}

std::wstring FaceName(const LOGFONTW& lf) {
  std::u16string units;
  for (int i = 0; i < 32 && lf.lfFaceName[i]; ++i) units += lf.lfFaceName[i];
  return FromUtf16(units);
}

void SetFaceName(LOGFONTW& lf, const std::wstring& name) {
  std::u16string units = ToUtf16(name);
  // Room for the terminating zero, as the framework keeps it.
  if (units.size() > 31) units.resize(31);
  std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), u'\0');
  std::copy(units.begin(), units.end(), lf.lfFaceName);
}

bool SetHeapString(std::wstring& stored, const std::wstring& text) {
  if (stored == text) return false;
  stored = text;
  return true;
}

}  // namespace PardeloStravon

CString operator+(const std::wstring& a, const CString& b) {
  return CString(std::wstring(a.c_str()) + b.Text());
}
