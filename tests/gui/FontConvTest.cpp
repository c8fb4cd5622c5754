#include <gtest/gtest.h>

#include "foundation/core/FrameworkAdapters.h"
#include "platform/gui/FontConv.h"

using namespace Platform;

TEST(FontConv, FontRecords_KeepFaceStyleAndHeightThroughTheToolkit) {
  struct Case {
    const wchar_t* face;
    int height;
    int weight;
    bool italic, underline, strikeOut;
    std::uint8_t pitchAndFamily;
  };
  const Case cases[] = {
      {L"DejaVu Sans", -27, 400, false, false, false, 0x22},
      {L"DejaVu Serif", -20, 700, true, false, false, 0x12},
      {L"Liberation Mono", -13, 400, false, true, true, 0x31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(wxString(c.face));
    LOGFONTW lf;
    lf.lfHeight = c.height;
    lf.lfWeight = c.weight;
    lf.lfItalic = c.italic;
    lf.lfUnderline = c.underline;
    lf.lfStrikeOut = c.strikeOut;
    lf.lfPitchAndFamily = c.pitchAndFamily;
    lf.lfQuality = 1;
    PardeloStravon::SetFaceName(lf, c.face);

    const wxFont font = ToWxFont(lf);
    ASSERT_TRUE(font.IsOk());
    EXPECT_EQ(font.GetFaceName().ToStdWstring(), c.face);
    EXPECT_EQ(font.GetNumericWeight(), c.weight);
    EXPECT_EQ(font.GetStyle() == wxFONTSTYLE_ITALIC, c.italic);
    EXPECT_EQ(font.GetUnderlined(), c.underline);
    EXPECT_EQ(font.GetStrikethrough(), c.strikeOut);

    const LOGFONTW back = ToLogFont(font, lf);
    EXPECT_NEAR(back.lfHeight, c.height, 1) << "the toolkit keeps sizes in points";
    EXPECT_EQ(back.lfWeight, c.weight);
    EXPECT_EQ(back.lfItalic, c.italic);
    EXPECT_EQ(back.lfUnderline, c.underline);
    EXPECT_EQ(back.lfStrikeOut, c.strikeOut);
    EXPECT_EQ(back.lfPitchAndFamily & 0xF0, c.pitchAndFamily & 0xF0);
    EXPECT_EQ(PardeloStravon::FaceName(back), c.face);
    EXPECT_EQ(back.lfQuality, 1) << "fields the toolkit does not know come from the base record";
  }
}

TEST(FontConv, EmptyRecord_GivesTheDefaultFont) {
  const wxFont font = ToWxFont(LOGFONTW{});
  ASSERT_TRUE(font.IsOk());
  EXPECT_GT(font.GetPixelSize().GetHeight(), 0);
  EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_NORMAL);
}
