// The program's unit of global constants: the token constants and the
// process-wide token index they register in.
#include "foundation/catalogue/Tokens.h"

#include "foundation/catalogue/StaticDictInd.h"

namespace PardeloStravon {

StaticDictInd& TheStaticDictInd() {
  static StaticDictInd index;
  return index;
}

std::wstring RegisterToken(const std::wstring& token) {
  TheStaticDictInd().Register(token);
  return token;
}

// Defined here, beside the tokens, so that whoever reads the index also
// links the unit that fills it.
std::wstring RepeatedTokens() { return TheStaticDictInd().RepeatedText(); }
const std::set<std::wstring>& RegisteredTokens() { return TheStaticDictInd().Tokens(); }

// Built ahead of every constant of default priority, so a setting default or
// any other static object elsewhere may copy a token while it is built.
#define VANTOR_TOKEN(name) \
  const std::wstring name __attribute__((init_priority(1000))) = RegisterToken(L"" #name);
#include "foundation/catalogue/TokenList.h"
#undef VANTOR_TOKEN

}  // namespace PardeloStravon
