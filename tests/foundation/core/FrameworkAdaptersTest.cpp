#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/core/DateTime.h"
#include "foundation/core/FrameworkAdapters.h"

using namespace PardeloStravon;

TEST(FrameworkAdapters, StringsAndByteVectors_GoThroughTheLegacyArchive) {
  LegacyArchive w;
  w << std::wstring(L"\u00E9\U0001F600") << VUC{1, 2, 3} << ToCString(L"abc");
  const std::vector<std::uint8_t> expected = {0xFF, 0xFE, 0xFF, 3, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE,
                                              3,    0,    0,    0, 1,    2, 3,    0xFF, 0xFE, 0xFF,
                                              3,    'a',  0,    'b', 0,  'c', 0};
  EXPECT_EQ(w.Bytes(), expected);

  LegacyArchive r(w.Bytes());
  std::wstring s;
  VUC v{9, 9, 9, 9, 9};  // not shortened, first elements filled
  CString c;
  r >> s >> v >> c;
  EXPECT_EQ(s, L"\u00E9\U0001F600");
  EXPECT_EQ(v, (VUC{1, 2, 3, 9, 9}));
  EXPECT_EQ(c.Text(), L"abc");

  // A narrow string reads as well.
  LegacyArchive n;
  n.WriteNarrowString("\xE9t\xE9");
  LegacyArchive rn(n.Bytes());
  rn >> s;
  EXPECT_EQ(s, L"\u00E9t\u00E9");
}

TEST(FrameworkAdapters, ByteVectorLongerThanTheInput_FailsBeforeAllocating) {
  LegacyArchive r(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 1});
  VUC v;
  EXPECT_THROW(r >> v, Platform::LegacyArchiveError);
  EXPECT_TRUE(v.empty());
}

TEST(FrameworkAdapters, FontRecords_ConvertBetweenWidths) {
  LOGFONTW w;
  w.lfHeight = -27;
  w.lfWeight = 700;
  w.lfQuality = 1;
  w.lfFaceName[0] = u'\u20AC';
  w.lfFaceName[1] = u'B';
  const LOGFONTA a = ToLogFontA(w);
  EXPECT_EQ(a.lfHeight, -27);
  EXPECT_EQ(a.lfWeight, 700);
  EXPECT_EQ(a.lfQuality, 1);
  EXPECT_EQ(static_cast<unsigned char>(a.lfFaceName[0]), 0xAC);
  EXPECT_EQ(a.lfFaceName[1], 'B');

  LOGFONTA e;
  e.lfFaceName[0] = '\xE9';
  EXPECT_EQ(ToLogFontW(e).lfFaceName[0], u'\u00E9');
}

TEST(FrameworkAdapters, ConcatenationAndHeapString) {
  EXPECT_EQ((std::wstring(L"ab\0x", 4) + CString(L"cd")).Text(), L"abcd");
  std::wstring stored = L"Vantor";
  EXPECT_FALSE(SetHeapString(stored, L"Vantor"));
  EXPECT_TRUE(SetHeapString(stored, L"Monitor"));
  EXPECT_EQ(stored, L"Monitor");
}

TEST(DateTime, LocalDateTimes_RoundTripAcrossDaylightSaving) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  const std::time_t instants[] = {0, 1178040000, 1200000000, 1719792000, 1735689599};
  for (std::time_t t : instants) EXPECT_EQ(OleDateTimeToTime(ToOleDateTime(t)), t) << t;
  const LocalDateTime summer{2007, 5, 1, 19, 20, 0};
  EXPECT_EQ(OleDateTimeToTime(summer), 1178040000);
  unsetenv("TZ");
  tzset();
}
