#include <gtest/gtest.h>

#include <string>

#include "document/PassScramble.h"

namespace PardeloStravon {
namespace {

TEST(PassScramble, VersionOneStoresTheTextUnchanged) {
  const std::wstring p = L"Secret\n<&>\u00E9\U0001F600";
  EXPECT_EQ(ScramblePass(p, 1), p);
  EXPECT_EQ(UnscramblePass(p, 1), p);
}

// Key bytes at positions 0..6: 91 AE CB E8 05 22 3F. These literal stored
// forms pin the key constants: files depend on them.
TEST(PassScramble, VersionTwoGivesTheFixedStoredForm) {
  struct Case {
    std::wstring clear;
    std::wstring stored;
  };
  const Case cases[] = {
      {L"", L""},
      {L"abc", L"\u00F0\u00CC\u00A8"},
      // Low byte 0 stays; a character above U+FFFF takes positions 3 and 4
      // (D83D DE00: the low half's low byte is 0); '?' equals the key of
      // position 6 and stays.
      {L"ab\u0100\U0001F600z?", L"\u00F0\u00CC\u0100\U00045600X?"},
      // The high byte never changes.
      {L"\u0141\u0142", L"\u01D0\u01EC"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScramblePass(c.clear, 2), c.stored);
    EXPECT_EQ(UnscramblePass(c.stored, 2), c.clear);
  }
}

TEST(PassScramble, VersionTwoComesBackForEveryLowByteAtEveryPosition) {
  for (unsigned low = 0; low <= 0xFF; ++low) {
    std::wstring p;
    for (int i = 0; i <= 300; ++i) p += static_cast<wchar_t>(0x0300 | low);
    const std::wstring stored = ScramblePass(p, 2);
    ASSERT_EQ(stored.size(), p.size());
    ASSERT_EQ(UnscramblePass(stored, 2), p) << "low byte " << low;
    for (std::size_t i = 0; i < p.size(); ++i) ASSERT_EQ(stored[i] & 0xFF00, 0x0300);
  }
}

TEST(PassScramble, CharactersAboveTheBmpStayPairsAndComeBack) {
  std::wstring p;
  for (wchar_t c = 0x10000; c < 0x10400; c += 7) p += c;
  p += L'\U0010FFFF';
  p += L"x\xD800y";  // a lone half, as an old file may hold
  const std::wstring stored = ScramblePass(p, 2);
  EXPECT_EQ(UnscramblePass(stored, 2), p);
}

TEST(PassScramble, OtherVersionsThrowWithTheVersion) {
  for (const int v : {0, 3, -1, 25}) {
    try {
      ScramblePass(L"x", v);
      ADD_FAILURE() << v;
    } catch (const BadPassVersion& e) {
      EXPECT_EQ(e.version, v);
    }
    EXPECT_THROW(UnscramblePass(L"x", v), BadPassVersion);
  }
}

TEST(PassScramble, PasswordVersionOfDocumentVersion) {
  const std::pair<int, int> cases[] = {{14, 0}, {15, 1}, {21, 1}, {22, 2}, {25, 2}, {26, 0}, {-1, 0}};
  for (const auto& [doc, pass] : cases) EXPECT_EQ(PassVersionOfDocVersion(doc), pass) << doc;
}

}  // namespace
}  // namespace PardeloStravon
