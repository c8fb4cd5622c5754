#pragma once
// Unicode encodings at the edges of the program: UTF-8 on disk and on the
// command line, UTF-16 for Xerces and the legacy archive. wchar_t holds one
// code point here (4 bytes), so every conversion goes through code points.
#include <string>

namespace Platform {

// Malformed input and code points that are no characters become U+FFFD.
std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);
std::u16string WideToUtf16(const std::wstring& text);
std::wstring Utf16ToWide(const std::u16string& text);

}  // namespace Platform
