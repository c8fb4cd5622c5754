#pragma once
// Conversions between the system's wide text, narrow text and numbers, and
// the one place where text meets its encodings on disk.
#include <cstdint>
#include <locale>
#include <string>

#include "foundation/values/VUC.h"

namespace PardeloStravon {

// Element by element: each byte becomes the character of the same value
// (Latin-1), each wide character is cut to its low 8 bits.
std::wstring ToWide(const std::string& text);
std::string ToNarrow(const std::wstring& text);

// The raw bytes of a zero-terminated text as the framework lays it out in
// memory (UTF-16LE), including the terminating zero.
VUC WStrBytes(const wchar_t* text);

// The text a default-formatted wide string stream writes.
std::wstring ToWStr(int v);
std::wstring ToWStr(long v);
std::wstring ToWStr(unsigned long v);
std::wstring ToWStr(long long v);
std::wstring ToWStr(double v);
std::wstring ToWStr(const wchar_t* v);

// Text on disk and on the command line.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
// Text of Xerces and of the legacy archive.
std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const std::u16string& text);

// A locale whose wide-character conversion is UTF-8, for wide file streams.
std::locale Utf8Locale();

}  // namespace PardeloStravon
