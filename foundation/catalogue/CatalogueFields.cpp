#include "foundation/catalogue/CatalogueFields.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/XmlParse.h"

namespace PardeloStravon {

void LogUnknownName(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field,
                    const std::wstring& name) {
  LogError(L"    " + RecordPlace(XmlText(record.getTagName()), pos) + L": unknown " + field +
           L" '" + name + L"'\n");
}

int TokenField(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field) {
  return ResolveField(record, pos, field, [](const std::wstring& token) { return TokenPos(token); });
}

}  // namespace PardeloStravon
