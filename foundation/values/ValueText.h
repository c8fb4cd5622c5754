#pragma once
// The one text form of a parameter value, in the classic locale.
#include <string>

#include <boost/any.hpp>

#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

// Default formatting: integers in decimal, numbers with six significant
// digits (23.4, -55, 100), a bool as "1" or "0".
std::wstring ValueToText(const RTTypePure& type, const boost::any& value);

// Reads the value from the start of the text; what follows the number is
// ignored. A text that begins with no value leaves the value as it was and
// gives false. Numbers outside the unit's span wrap as the unit does (300
// into a CharOne gives 44): keeping typed input inside a parameter's range
// is the job of the place where it is typed.
bool TextToValue(const RTTypePure& type, const std::wstring& text, boost::any& value);

// Reads the text only when it is exactly one value of the type: nothing
// before or after it, no sign where the type holds no value below zero, and
// a number the type holds as written (to within half a tenth for the
// measured quantities, exactly for whole numbers) rather than wrapped, cut
// or held at the type's limit. Otherwise false, with the value as it was.
// A file or a field that a person may have edited is read this way.
bool TextToWholeValue(const RTTypePure& type, const std::wstring& text, boost::any& value);

// With asDuration set, a Delay3 range shows its seconds as a duration
// (d h:mm:ss) and reads whatever TextToDuration reads; every other type,
// and a Delay3 without the flag, uses the plain text.
std::wstring ValueToTextFmt(const RTTypePure& type, const boost::any& value, bool asDuration);
bool TextToValueFmt(const RTTypePure& type, const std::wstring& text, boost::any& value,
                    bool asDuration);

}  // namespace PardeloStravon
