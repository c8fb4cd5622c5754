#pragma once
// The application's display name, the caption of every message box: the
// translated application name, replaced only when the text differs.
#include <string>

namespace PardeloStravon {

void SetApplicationName();
// The name as last set; empty before the first call.
const std::wstring& ApplicationName();

}  // namespace PardeloStravon
