#pragma once
// Lines for the user who started the program from a shell. The error log's
// stream may point into its file: these go to the process's standard error
// itself.
#include <string>

namespace PardeloStravon {

// Writes the text and a line break, UTF-8, in one piece where it can.
void WriteStandardErrorLine(const std::wstring& text);

}  // namespace PardeloStravon
