#pragma once
// Numbers on wide streams in the classic locale, whatever locale the stream
// or the program carries: stored values must read back on any machine.
#include <iosfwd>

namespace PardeloStravon {

// Writes with the stream's flags, precision and width.
void WriteClassicNumber(std::wostream& os, double v);
// Always decimal.
void WriteClassicNumber(std::wostream& os, long v);

// The stream's ordinary extraction (leading white space skipped when the
// stream skips it, reading stops at the first character that cannot continue
// the number). On failure the stream is failed and v keeps its value.
bool ReadClassicNumber(std::wistream& is, double& v);
// Also fails for a number outside the range of int.
bool ReadClassicNumber(std::wistream& is, int& v);
// Reads "1" or "0", never an alphabetic form.
bool ReadClassicNumber(std::wistream& is, bool& v);

}  // namespace PardeloStravon
