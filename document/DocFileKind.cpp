#include "document/DocFileKind.h"

namespace PardeloStravon {

std::wstring FileExtension(const std::wstring& path) {
  const auto dot = path.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  return path.substr(dot + 1);
}

bool IsLegacyDocFile(const std::wstring& path) { return FileExtension(path) == L"qzi"; }

}  // namespace PardeloStravon
