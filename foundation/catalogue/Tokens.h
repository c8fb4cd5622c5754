#pragma once
// The token constants: each holds its own name as text (CTW_OK holds
// "CTW_OK") and names one text that the dictionary translates.
#include <string>

namespace PardeloStravon {

#define VANTOR_TOKEN(name) extern const std::wstring name;
#include "foundation/catalogue/TokenList.h"
#undef VANTOR_TOKEN

}  // namespace PardeloStravon
