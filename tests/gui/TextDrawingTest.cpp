#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <cstdlib>

#include "foundation/gui/TextDrawing.h"
#include "platform/gui/FontConv.h"
#include "tests/gui/TestFont.h"

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::TestFont;

namespace {

// A drawing surface on a bitmap, as views and printouts get one.
struct Canvas {
  wxBitmap bitmap{400, 200};
  wxMemoryDC dc{bitmap};
  DrawSurface surface{dc};
};

}  // namespace

TEST(TextDrawing, FontAndColourScopes_RestoreWhatWasSelected) {
  Canvas c;
  const wxFont before = ToWxFont(TestFont(-12, L"DejaVu Serif"));
  c.surface.SelectFont(before);
  c.surface.SetTextColor(RGB(1, 2, 3));
  {
    FontSelector font(c.surface, TestFont(-27), RGB(200, 10, 20));
    EXPECT_EQ(c.dc.GetFont().GetFaceName(), "DejaVu Sans");
    // A record's negative height is the character height in pixels.
    EXPECT_EQ(ToLogFont(c.dc.GetFont()).lfHeight, -27);
    EXPECT_EQ(c.surface.GetTextColor(), RGB(200, 10, 20));
    {
      TextColorSelector color(c.surface, RGB(0, 0, 255));
      EXPECT_EQ(c.dc.GetTextForeground(), wxColour(0, 0, 255));
    }
    EXPECT_EQ(c.surface.GetTextColor(), RGB(200, 10, 20));
  }
  EXPECT_EQ(c.dc.GetFont(), before);
  EXPECT_EQ(c.surface.GetTextColor(), RGB(1, 2, 3));
}

TEST(TextDrawing, TextExtent_GrowsWithTheFontAndIsZeroWhereNothingCanBeMeasured) {
  Canvas c;
  wxSize small, large;
  {
    FontSelector font(c.surface, TestFont(-10), 0);
    small = TextExtent(c.surface, L"Room 001");
  }
  {
    FontSelector font(c.surface, TestFont(-40), 0);
    large = TextExtent(c.surface, L"Room 001");
  }
  EXPECT_GT(small.GetWidth(), 0);
  EXPECT_GT(large.GetWidth(), 3 * small.GetWidth());
  EXPECT_GT(large.GetHeight(), 3 * small.GetHeight());

  wxMemoryDC unusable;  // no bitmap to draw on
  DrawSurface none(unusable);
  EXPECT_EQ(TextExtent(none, L"Room 001"), wxSize(0, 0));
}

TEST(TextDrawing, MapModes_ScaleLogicalUnitsAndRefuseUnknownModes) {
  Canvas c;
  const wxSize ppi = c.dc.GetPPI();
  EXPECT_EQ(c.surface.SetMapMode(MM_LOMETRIC), MM_TEXT);
  EXPECT_EQ(c.surface.LogicalToDevice(wxSize(254, 254)), ppi);
  EXPECT_EQ(c.surface.SetMapMode(MM_TWIPS), MM_LOMETRIC);
  EXPECT_EQ(c.surface.LogicalToDevice(wxSize(1440, 2880)), wxSize(ppi.GetWidth(), 2 * ppi.GetHeight()));
  EXPECT_EQ(c.surface.SetMapMode(9), 0);
  EXPECT_EQ(c.surface.GetMapMode(), MM_TWIPS);
  EXPECT_EQ(c.surface.SetMapMode(MM_TEXT), MM_TWIPS);
  EXPECT_EQ(c.surface.LogicalToDevice(wxSize(254, 7)), wxSize(254, 7));
}

TEST(TextDrawing, ScaleFontHeight_GivesTheHeightOfTheSameDeviceWidthAndRestoresTheMode) {
  Canvas c;
  const double ppi = c.dc.GetPPI().GetHeight();
  c.surface.SetMapMode(MM_TWIPS);
  // A font 2.7 mm high in tenths of millimetres is about ppi x 2.7 / 25.4
  // pixels high in pixels: text hinted at that small device size is a few
  // per cent narrower, and the height is truncated toward zero.
  const int h = ScaleFontHeight(c.surface, TestFont(-27), MM_LOMETRIC, MM_TEXT);
  EXPECT_NEAR(h, -27 * ppi / 254, 1.5);
  EXPECT_LT(h, 0) << "the sign of the height is kept";
  EXPECT_EQ(c.surface.GetMapMode(), MM_TWIPS);
  EXPECT_EQ(ScaleFontHeight(c.surface, TestFont(-27), MM_TEXT, MM_TEXT), -27);
}

TEST(TextDrawing, ScaleFontHeight_WithoutAWidthToDivideBy_KeepsTheFontsHeight) {
  wxMemoryDC unusable;
  DrawSurface none(unusable);
  none.SetMapMode(MM_LOENGLISH);
  EXPECT_EQ(ScaleFontHeight(none, TestFont(-27), MM_LOMETRIC, MM_TEXT), -27);
  EXPECT_EQ(none.GetMapMode(), MM_LOENGLISH);
}
