#include "foundation/catalogue/StaticDictInd.h"

#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

void StaticDictInd::Register(const std::wstring& token) {
  if (!tokens_.insert(token).second) repeated_.push_back(token);
}

std::wstring StaticDictInd::RepeatedText() const { return RepeatedKeyText(repeated_); }

}  // namespace PardeloStravon
