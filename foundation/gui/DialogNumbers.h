#pragma once
// Numbers as a dialog's edit box shows and reads them, the same in every
// locale: what the framework's number exchange accepts, except that a float
// or double that is not finite is refused too.
#include <optional>
#include <string>

namespace PardeloStravon {

// Blanks and tabs, an optional sign, decimal digits, blanks and tabs; zero
// only when the digits start with 0 ("-0" and "+0" are refused); nothing
// outside the range of int.
std::optional<int> ReadDialogInt(const std::wstring& text);
// Blanks and tabs, a number as the C library reads it, blanks and tabs;
// zero only when the number starts with the digit 0; rounded to float and
// finite.
std::optional<float> ReadDialogFloat(const std::wstring& text);
// As the float, without the rounding.
std::optional<double> ReadDialogDouble(const std::wstring& text);

// Decimal; 6 and 15 significant digits in the C library's general notation.
std::wstring ShowDialogInt(int v);
std::wstring ShowDialogFloat(float v);
std::wstring ShowDialogDouble(double v);

}  // namespace PardeloStravon
