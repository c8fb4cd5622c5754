#pragma once
// A parameter value in the wide XML archives: one element "v" holding the
// value's text.
#include <stdexcept>
#include <string>

#include <boost/any.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>

#include "foundation/values/ValueText.h"
#include "foundation/values/ValueTypes.h"

namespace PardeloStravon {

// Thrown when the element "v" holds no value of the parameter's type.
class ValueXmlError : public std::runtime_error {
 public:
  ValueXmlError(const std::wstring& parId, const std::wstring& text);
};

template <class Archive>
void SaveValueXml(Archive& ar, const RTTypePure& type, const boost::any& value) {
  std::wstring text = ValueToText(type, value);
  ar& boost::serialization::make_nvp("v", text);
}

// The value must already hold the parameter's unit type. A text that is not
// exactly one value of the type (TextToWholeValue) throws ValueXmlError
// naming the parameter, so a damaged or hand-edited file never loads a
// value silently cut, wrapped or zeroed; the value stays as it was. A
// missing or malformed element "v" ends with what the archive throws.
template <class Archive>
void LoadValueXml(Archive& ar, const RTTypePure& type, boost::any& value,
                  const std::wstring& parId) {
  std::wstring text;
  ar& boost::serialization::make_nvp("v", text);
  if (!TextToWholeValue(type, text, value)) throw ValueXmlError(parId, text);
}

}  // namespace PardeloStravon
