#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "foundation/core/FrameworkAdapters.h"
#include "platform/gui/FontConv.h"
#include "tests/support/GuiTest.h"

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

namespace {

// Measured on the screen: the em dash of these faces is one em wide, so
// its advance is the character height; the cell is ascent plus descent.
struct Measured {
  int character;
  int cell;
};

Measured Measure(const wxFont& font) {
  wxScreenDC dc;
  dc.SetFont(font);
  wxCoord tenDashes = 0, h = 0;
  dc.GetTextExtent(wxString(wxUniChar(0x2014), 10), &tenDashes, &h);
  return {static_cast<int>(std::lround(tenDashes / 10.0)), dc.GetFontMetrics().height};
}

}  // namespace

TEST(FontConv, Heights_NegativeIsTheCharacterHeightPositiveTheCellAndBothSurviveARoundTrip) {
  const int heights[] = {-27, -13, 13, 27, 0};
  for (const wchar_t* face : {L"DejaVu Sans", L"Liberation Sans", L"DejaVu Serif"}) {
    for (const int height : heights) {
      SCOPED_TRACE(testing::Message() << wxString(face) << " " << height);
      LOGFONTW lf;
      lf.lfHeight = height;
      PardeloStravon::SetFaceName(lf, face);
      const wxFont font = ToWxFont(lf);
      ASSERT_TRUE(font.IsOk());
      const Measured m = Measure(font);
      if (height < 0) {
        EXPECT_NEAR(m.character, -height, 1);
      } else if (height > 0) {
        EXPECT_NEAR(m.cell, height, 1);
      }
      EXPECT_GT(m.character, 0);

      const LOGFONTW back = ToLogFont(font, lf);
      EXPECT_LT(back.lfHeight, 0) << "given back as a character height";
      EXPECT_NEAR(-back.lfHeight, m.character, 1);
      if (height < 0) {
        EXPECT_EQ(back.lfHeight, height);
      }
      const Measured again = Measure(ToWxFont(back));
      EXPECT_NEAR(again.character, m.character, 1);
      EXPECT_NEAR(again.cell, m.cell, 1);
    }
  }
}

// A picture to look at: each line's font drawn at its record's height, with
// rules at the top and at the expected character or cell height.
TEST(FontConv, Heights_Picture) {
  const int heights[] = {-27, -13, 13, 27, 0};
  wxBitmap bitmap(900, 260);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    int y = 10;
    for (const int height : heights) {
      LOGFONTW lf;
      lf.lfHeight = height;
      PardeloStravon::SetFaceName(lf, L"DejaVu Sans");
      const wxFont font = ToWxFont(lf);
      dc.SetFont(font);
      const wxFontMetrics m = dc.GetFontMetrics();
      dc.SetPen(*wxRED_PEN);
      dc.DrawLine(0, y, 900, y);
      const int expected = height < 0 ? -height : height > 0 ? height : m.height;
      dc.SetPen(*wxBLUE_PEN);
      dc.DrawLine(0, y + expected, 900, y + expected);
      dc.SetTextForeground(*wxBLACK);
      dc.DrawText(wxString::Format(wxString::FromUTF8("%d  Xgy \u00c9 \u2014\u2014 cell %d"), height,
                                   m.height),
                  10, y);
      y += std::max(m.height, expected) + 12;
    }
  }
  const auto file = TestSupport::ArtifactDir() / "font-heights.png";
  EXPECT_TRUE(bitmap.SaveFile(file.string(), wxBITMAP_TYPE_PNG));
}

TEST(FontConv, HeightOfADamagedRecord_GivesAFontOfBoundedSize) {
  for (const std::int32_t height : {std::numeric_limits<std::int32_t>::min(), -1000000, 1000000,
                                    std::numeric_limits<std::int32_t>::max()}) {
    SCOPED_TRACE(height);
    LOGFONTW lf;
    lf.lfHeight = height;
    const wxFont font = ToWxFont(lf);
    ASSERT_TRUE(font.IsOk());
    EXPECT_GE(ToLogFont(font).lfHeight, -2000);
  }
}
