#include "foundation/values/ValueText.h"

#include <locale>
#include <sstream>

#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"

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
