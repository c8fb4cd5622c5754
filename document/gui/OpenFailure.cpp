#include "document/gui/OpenFailure.h"

#include <filesystem>
#include <fstream>

#include "document/DocFileKind.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Paths.h"

namespace PardeloStravon {
namespace {

// Every document of the XML format opens with the archive's root element
// within its first lines.
constexpr std::size_t HeadBytes = 4096;
constexpr char ArchiveRoot[] = "<boost_serialization";

}  // namespace

const std::wstring& OpenFailureCause(const std::wstring& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path file(NativePath(path));
  const fs::file_status status = fs::status(file, ec);
  if (!fs::exists(status)) return CTW_Open_Missing;
  std::ifstream in(file, std::ios::binary);
  if (!fs::is_regular_file(status) || !in.is_open()) return CTW_Open_Unreadable;
  std::string head(HeadBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (in.bad()) return CTW_Open_Unreadable;
  head.resize(static_cast<std::size_t>(in.gcount()));
  if (head.empty()) return CTW_Open_Empty;
  if (!IsLegacyDocFile(path) && head.find(ArchiveRoot) == std::string::npos) return CTW_Open_NotDocument;
  return CTW_Open_Damaged;
}

std::wstring OpenFailureText(const std::wstring& path) {
  return DictText(CTW_Open_Failed) + L"\n" + path + L"\n" + DictText(OpenFailureCause(path));
}

std::wstring OpenFailureLine(const std::wstring& path) {
  return DictText(CTW_Open_Failed) + L" " + path + L": " + DictText(OpenFailureCause(path));
}

}  // namespace PardeloStravon
