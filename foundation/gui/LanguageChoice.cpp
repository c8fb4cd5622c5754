#include "foundation/gui/LanguageChoice.h"

#include <algorithm>

namespace PardeloStravon {

std::vector<std::wstring> LanguageItems(const std::vector<DictLanguage>& languages) {
  std::vector<std::wstring> items;
  items.reserve(languages.size());
  for (const DictLanguage& l : languages) items.push_back(l.first + L" : " + l.second);
  return items;
}

int ApplyLanguageChoice(const std::vector<std::wstring>& items, const std::wstring& sel, int& index) {
  const auto chosen = static_cast<int>(std::find(items.begin(), items.end(), sel) - items.begin());
  if (chosen == index || chosen == static_cast<int>(items.size())) return IDCANCEL;
  index = chosen;
  return IDOK;
}

}  // namespace PardeloStravon
