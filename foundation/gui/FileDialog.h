#pragma once
// The file dialog of the settings-file commands.
#include <string>

namespace PardeloStravon {

// Starts on the file name a + b; mode 0 saves (asking before overwriting),
// mode 1 opens an existing file. The chosen path, or the empty text when the
// user cancels.
std::wstring FileDialog(const std::wstring& a, const std::wstring& b, int mode);

}  // namespace PardeloStravon
