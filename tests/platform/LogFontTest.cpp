#include <gtest/gtest.h>

#include "platform/LogFont.h"

TEST(LogFont, PackedRecords_KeepTheFrameworkLayout) {
  LOGFONTW lf;
  lf.lfHeight = -27;
  lf.lfWeight = 400;
  lf.lfPitchAndFamily = 34;
  lf.lfFaceName[0] = u'A';
  lf.lfFaceName[1] = u'\x20AC';
  std::uint8_t bytes[Platform::LogFontWBytes];
  Platform::PackLogFont(lf, bytes);
  EXPECT_EQ(bytes[0], 0xE5);
  EXPECT_EQ(bytes[3], 0xFF);
  EXPECT_EQ(bytes[16], 0x90);
  EXPECT_EQ(bytes[17], 0x01);
  EXPECT_EQ(bytes[27], 34);
  EXPECT_EQ(bytes[28], 'A');
  EXPECT_EQ(bytes[29], 0);
  EXPECT_EQ(bytes[30], 0xAC);
  EXPECT_EQ(bytes[31], 0x20);
  EXPECT_TRUE(Platform::UnpackLogFont(bytes) == lf);

  LOGFONTA la;
  la.lfHeight = 1;
  la.lfFaceName[0] = 'Z';
  std::uint8_t narrow[Platform::LogFontABytes];
  Platform::PackLogFont(la, narrow);
  EXPECT_EQ(narrow[28], 'Z');
  EXPECT_TRUE(Platform::UnpackLogFont(narrow) == la);
}
