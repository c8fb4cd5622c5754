#pragma once
// Fields of the catalogue tables that name a row of another table or a
// translated text. The lookup's exception passes on, after a line in
// ErrorLog that says which record named what, so a broken table can be
// mended by hand.
#include <xercesc/dom/DOMElement.hpp>

#include <cstddef>
#include <string>

#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

void LogUnknownName(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field,
                    const std::wstring& name);

template <typename Lookup>
int ResolveName(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field,
                const std::wstring& name, Lookup lookup) {
  try {
    return static_cast<int>(lookup(name));
  } catch (...) {
    LogUnknownName(record, pos, field, name);
    throw;
  }
}

template <typename Lookup>
int ResolveField(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field,
                 Lookup lookup) {
  return ResolveName(record, pos, field, FieldText(record, field), lookup);
}

// A translated text, stored as its token's dictionary position; an unknown
// token throws DictBadPos.
int TokenField(const xercesc::DOMElement& record, std::size_t pos, const std::wstring& field);

}  // namespace PardeloStravon
