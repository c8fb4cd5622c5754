#pragma once
// The thin layer between the system's own text and the framework's types:
// framework strings, the legacy archive, font records and the program name.
#include <string>

#include "foundation/values/VUC.h"
#include "platform/CString.h"
#include "platform/LegacyArchive.h"
#include "platform/LogFont.h"

namespace PardeloStravon {

using Platform::LegacyArchive;

// Same length, element by element, zero characters included.
CString ToCString(const std::wstring& text);
std::wstring ToWString(const CString& text);

// A wide string in the archive is a framework string: UTF-16 with the wide
// marker. Loading takes either width, as the stored prefix says.
LegacyArchive& operator<<(LegacyArchive& ar, const std::wstring& text);
LegacyArchive& operator>>(LegacyArchive& ar, std::wstring& text);
LegacyArchive& operator<<(LegacyArchive& ar, const CString& text);
LegacyArchive& operator>>(LegacyArchive& ar, CString& text);
// A byte vector: its count as a 4-byte integer, then the bytes. Loading makes
// the vector at least that long and fills its first elements.
LegacyArchive& operator<<(LegacyArchive& ar, const VUC& v);
LegacyArchive& operator>>(LegacyArchive& ar, VUC& v);

// Font records between the wide and the narrow form; face-name bytes are
// widened as Latin-1.
LOGFONTA ToLogFontA(const LOGFONTW& lf);
LOGFONTW ToLogFontW(const LOGFONTA& lf);
// The face name as wide text, up to its first zero.
std::wstring FaceName(const LOGFONTW& lf);
void SetFaceName(LOGFONTW& lf, const std::wstring& name);

// Replaces a stored text only when it differs; true when it was replaced.
bool SetHeapString(std::wstring& stored, const std::wstring& text);

}  // namespace PardeloStravon

// The framework's concatenation: the wide text up to its first zero
// character, then the framework string.
CString operator+(const std::wstring& a, const CString& b);
