#pragma once
// Local date-time texts under a user's strftime format, shared by the tables
// and the graph.
#include <ctime>
#include <string>

namespace PardeloStravon {

// The local time of `t` under `format`; with `breaksAsBlanks` every line
// break of the result becomes a blank (a table cell holds one line). The
// text is never cut, whatever its length, and a format whose text is empty
// gives an empty text.
std::wstring FormatLocalTime(std::time_t t, const std::wstring& format, bool breaksAsBlanks);

}  // namespace PardeloStravon
