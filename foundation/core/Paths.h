#pragma once
// The one path rule of the program: paths are built and cut with '/', and
// handed to the system as UTF-8.
#include <string>

namespace PardeloStravon {

constexpr wchar_t PathSeparator = L'/';

// With n = 0 the path itself; otherwise PathUp of the text before the last
// separator, with n - 1. A path without the separator stays whole.
std::wstring PathUp(const std::wstring& path, int n, wchar_t separator = PathSeparator);

// folder + "/" + name; an empty folder gives the name alone.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The folder of a document path: the text before its last separator, the
// whole text when it has none, "." when that is empty ("/" for a file at
// the root).
std::wstring FolderOf(const std::wstring& path);

// The file name after the last separator.
std::wstring FileNameOf(const std::wstring& path);

// The path as the operating system takes it.
std::string NativePath(const std::wstring& path);

// The running program's full path; empty when it cannot be read.
std::wstring ProgramPath();

// The folder that holds the running program.
std::wstring ProgramFolder();

}  // namespace PardeloStravon
