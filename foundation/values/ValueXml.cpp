#include "foundation/values/ValueXml.h"

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

ValueXmlError::ValueXmlError(const std::wstring& parId, const std::wstring& text)
    : std::runtime_error("In LoadValueXml: the value \"" + ToUtf8(text) + "\" of parameter " +
                         ToUtf8(parId) + " is not one value of its type") {}

}  // namespace PardeloStravon
