#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/catalogue/StaticDictInd.h"
#include "foundation/catalogue/Tokens.h"

using namespace PardeloStravon;

namespace {

// Built during static initialisation, like a setting default of another unit
// that copies a token.
const std::wstring tokenCopiedAtStart = CTW_OK;

}  // namespace

TEST(Tokens, ConstantsAreBuiltBeforeTheStaticObjectsOfOtherUnits) {
  EXPECT_EQ(tokenCopiedAtStart, L"CTW_OK");
}

TEST(Tokens, EveryConstantIsRegisteredOnceUnderItsOwnName) {
  EXPECT_EQ(RegisteredTokens().size(), 281u);
  EXPECT_EQ(RepeatedTokens(), L"");
  EXPECT_EQ(CTW_OK, L"CTW_OK");
  EXPECT_EQ(CTW_POP_File, L"CTW_POP_File");
  EXPECT_EQ(CTW_Gph_Nr_Fmt, L"CTW_Gph_Nr_Fmt");
  for (const auto& token : RegisteredTokens()) EXPECT_EQ(token.rfind(L"CTW_", 0), 0u) << token;
  // A default text of the same unit is no token.
  EXPECT_EQ(RegisteredTokens().count(L"New instrument"), 0u);
}

// A repeat leaves the set as it is and is listed once per extra registration,
// in order of registration.
TEST(Tokens, RepeatedRegistrations_AreListedInOrderAndLeaveTheSetUnchanged) {
  struct Case {
    const char* name;
    std::vector<std::wstring> extra;
    const wchar_t* repeated;
    std::size_t added;  // texts new to the set
  } cases[] = {
      {"none", {}, L"", 0},
      {"one repeat", {L"CTW_OK"}, L"'CTW_OK'", 0},
      {"three registrations", {L"CTW_OK", L"CTW_OK"}, L"'CTW_OK','CTW_OK'", 0},
      {"two different", {L"CTW_Cancel", L"CTW_OK"}, L"'CTW_Cancel','CTW_OK'", 0},
      {"new text, then its repeat", {L"CTW_Brand_new", L"CTW_Brand_new"}, L"'CTW_Brand_new'", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StaticDictInd index = TheStaticDictInd();  // a copy: the process-wide one stays clean
    const auto before = index.Tokens().size();
    for (const auto& t : c.extra) index.Register(t);
    EXPECT_EQ(index.RepeatedText(), c.repeated);
    EXPECT_EQ(index.Tokens().size(), before + c.added);
  }
}
