#pragma once
// Which format a document path names: exactly "qzi" is the legacy binary
// format, every other extension the XML format.
#include <string>

namespace PardeloStravon {

// The text after the last "." of the whole path; empty when there is none or
// the path ends with it.
std::wstring FileExtension(const std::wstring& path);
bool IsLegacyDocFile(const std::wstring& path);

}  // namespace PardeloStravon
