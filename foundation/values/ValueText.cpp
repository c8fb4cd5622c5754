#include "foundation/values/ValueText.h"

#include <cmath>
#include <cwctype>
#include <locale>
#include <sstream>

#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ClassicNumbers.h"

namespace PardeloStravon {

std::wstring ValueToText(const RTTypePure& type, const boost::any& value) {
  std::wostringstream os;
  os.imbue(std::locale::classic());
  type.Print(os, value);
  return os.str();
}

bool TextToValue(const RTTypePure& type, const std::wstring& text, boost::any& value) {
  std::wistringstream is(text);
  is.imbue(std::locale::classic());
  type.Read(is, value);
  return !is.fail();
}

namespace {

// Half the resolution of the measured quantities: what the type holds may
// differ from the written number by rounding to the tenth, and no more.
constexpr double WholeValueTolerance = 0.05 + 1e-9;

bool HoldsValuesBelowZero(const RTTypePure& type) {
  boost::any probe = type.DefaultValue();
  return TextToValue(type, L"-1", probe) && type.ToDouble(probe) == -1.0;
}

// The text as a plain number, read to its end.
bool WrittenNumber(const std::wstring& text, double& number) {
  std::wistringstream is(text);
  return ReadClassicNumber(is, number) && is.peek() == std::wistream::traits_type::eof() &&
         std::isfinite(number);
}

}  // namespace

bool TextToWholeValue(const RTTypePure& type, const std::wstring& text, boost::any& value) {
  // The stream would skip leading white space; a whole value has none.
  if (text.empty() || std::iswspace(static_cast<wint_t>(text.front()))) return false;
  boost::any read = value;
  std::wistringstream is(text);
  is.imbue(std::locale::classic());
  type.Read(is, read);
  if (is.fail() || is.peek() != std::wistream::traits_type::eof()) return false;
  double number = 0;
  if (!WrittenNumber(text, number)) return false;
  const bool signed_ = text.front() == L'-' || text.front() == L'+';
  if (signed_ && !HoldsValuesBelowZero(type)) return false;
  if (std::fabs(type.ToDouble(read) - number) > WholeValueTolerance) return false;
  value = read;
  return true;
}

std::wstring ValueToTextFmt(const RTTypePure& type, const boost::any& value, bool asDuration) {
  const std::wstring text = ValueToText(type, value);
  if (asDuration && IsDelay3Range(type)) return DurationToText(TextToDuration(text));
  return text;
}

bool TextToValueFmt(const RTTypePure& type, const std::wstring& text, boost::any& value,
                    bool asDuration) {
  if (asDuration && IsDelay3Range(type))
    return TextToValue(type, ToWStr(TextToDuration(text)), value);
  return TextToValue(type, text, value);
}

}  // namespace PardeloStravon
