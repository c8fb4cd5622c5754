#pragma once
// Number formats typed by the user or read from a document reach a
// printf-style formatter only after this check.
#include <string>

namespace PardeloStravon {

extern const std::wstring DefaultNumberFormat;  // "%5.1f"

// Accepted: at most one conversion f, e, E, g or G with optional flags, a
// width and a precision of up to two digits each and an optional l; "%%"
// and any other text are kept.
bool IsSafeNumberFormat(const std::wstring& format);

// The format when it is safe, else the default; a refused text is written to
// ErrorLog once per distinct text for the life of the program.
std::wstring CheckedNumberFormat(const std::wstring& format);

// The value written with a format that passed the check (refused formats
// are checked again here and fall back to the default).
std::wstring FormatNumber(const std::wstring& format, double value);

}  // namespace PardeloStravon
