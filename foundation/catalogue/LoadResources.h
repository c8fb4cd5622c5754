#pragma once
// Start-up loading of the dictionary and the catalogue tables, once, on the
// GUI thread before any worker thread exists.
#include <string>

namespace PardeloStravon {

// Given the program's folder (no trailing separator). Empty when the
// dictionary and every table are loaded; otherwise the one text that says
// what failed, also written to ErrorLog, which the caller shows before it
// ends start-up. Never throws.
std::wstring LoadResources(const std::wstring& folder);

// The steps themselves, in order, ending at the first failure; what a
// reader throws passes on.
std::wstring LoadXmlResources(const std::wstring& folder);

}  // namespace PardeloStravon
