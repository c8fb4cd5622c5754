#include <gtest/gtest.h>

#include "platform/Utf.h"

using namespace Platform;

TEST(Utf, TextsWithEveryEncodedLength_RoundTripThroughUtf8AndUtf16) {
  const std::wstring texts[] = {L"", L"abc", L"\u00E9t\u00E9", L"\u20AC 5", L"\U0001F600 x",
                                L"\u4E2D\u6587"};
  for (const auto& t : texts) {
    EXPECT_EQ(Utf8ToWide(WideToUtf8(t)), t);
    EXPECT_EQ(Utf16ToWide(WideToUtf16(t)), t);
  }
  EXPECT_EQ(WideToUtf8(L"\u00E9"), "\xC3\xA9");
  EXPECT_EQ(WideToUtf16(L"\U0001F600"), (std::u16string{0xD83D, 0xDE00}));
}

TEST(Utf, MalformedInput_BecomesReplacementCharacters) {
  struct Case {
    std::string utf8;
    std::wstring wide;
  } cases[] = {
      {"a\xFF" "b", L"a\uFFFDb"},
      {"\xC3", L"\uFFFD"},             // cut sequence
      {"\xC0\xAF", L"\uFFFD"},         // overlong
      {"\xED\xA0\x80", L"\uFFFD"},     // encoded surrogate
      {"\xE2\x82" "A", L"\uFFFDA"},    // bad continuation is read again
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.utf8;
  EXPECT_EQ(Utf16ToWide(std::u16string{0xD800, u'x'}), L"\uFFFDx");
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xFFFFFFE9))), "\xEF\xBF\xBD");
}
