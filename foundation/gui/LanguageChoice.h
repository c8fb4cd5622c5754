#pragma once
// What the language dialog lists and what its OK means, apart from the
// window so that it can be checked on its own.
#include <string>
#include <vector>

#include "foundation/catalogue/Dictionary.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {

// The framework's dialog results.
using Platform::IDCANCEL;
using Platform::IDOK;

// One entry per language, in the order of the language table:
// identifier, " : ", name ("en : English").
std::vector<std::wstring> LanguageItems(const std::vector<DictLanguage>& languages);

// After OK with the edit text sel: the first entry equal to sel is the
// choice. IDOK with index set to it when it is another language; IDCANCEL
// with index unchanged when it is the same one or no entry is equal.
int ApplyLanguageChoice(const std::vector<std::wstring>& items, const std::wstring& sel, int& index);

}  // namespace PardeloStravon
