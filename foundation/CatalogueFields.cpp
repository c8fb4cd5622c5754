#include "foundation/CatalogueFields.h"

#include "foundation/Dictionary.h"
#include "foundation/LogChannel.h"
#include "foundation/TextConv.h"
#include "foundation/XmlParse.h"

namespace PardeloStravon {


void LogUnknownName(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field,
                    const std::wstring& name) {
  LogError(L"    record \"" + XmlText(record.getTagName()) + L"\" at position " +
           ToWStr(static_cast<unsigned long>(pos)) + L": unknown " + field + L" '" + name +
           L"'\n");
}

int TokenField(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field) {
  return ResolveField(record, pos, field, [](const std::wstring& token) { return TokenPos(token); });
}

}  // namespace PardeloStravon
