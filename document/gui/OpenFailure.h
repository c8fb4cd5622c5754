#pragma once
// Why a document could not be opened, in the user's language: the file
// itself tells the cause (missing, unreadable, empty, not a document of
// this program, damaged or incomplete).
#include <string>

namespace PardeloStravon {

// The token of the cause, found from the file as it is now.
const std::wstring& OpenFailureCause(const std::wstring& path);

// The message box's text: the message, the path and the cause, one a line.
std::wstring OpenFailureText(const std::wstring& path);
// The same on one line, for standard error.
std::wstring OpenFailureLine(const std::wstring& path);

}  // namespace PardeloStravon
