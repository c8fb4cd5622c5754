#include "foundation/core/Paths.h"

#include <unistd.h>

#include <climits>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

std::wstring PathUp(const std::wstring& path, int n, wchar_t separator) {
  std::wstring p = path;
  for (; n > 0; --n) {
    const auto pos = p.rfind(separator);
    if (pos == std::wstring::npos) break;
    p.erase(pos);
  }
  return p;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  if (folder.back() == PathSeparator) return folder + name;
  return folder + PathSeparator + name;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::wstring folder = PathUp(path, 1);
  if (!folder.empty()) return folder;
  return !path.empty() && path.front() == PathSeparator ? std::wstring(1, PathSeparator) : L".";
}

std::wstring FileNameOf(const std::wstring& path) {
  const auto pos = path.rfind(PathSeparator);
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

std::string NativePath(const std::wstring& path) { return ToUtf8(path); }

std::wstring ProgramPath() {
  // Room for 10000 characters, as the start line has always allowed.
  std::string buf(10000, '\0');
  const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<size_t>(n) >= buf.size()) return L"";
  return FromUtf8(buf.substr(0, static_cast<size_t>(n)));
}

std::wstring ProgramFolder() {
  const std::wstring path = ProgramPath();
  if (path.empty()) return L".";
  return FolderOf(path);
}

}  // namespace PardeloStravon
