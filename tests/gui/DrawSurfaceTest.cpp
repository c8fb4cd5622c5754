#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <functional>

#include "platform/gui/DrawSurface.h"
#include "platform/gui/FontConv.h"
#include "tests/gui/TestFont.h"

using namespace Platform;
using TestSupport::TestFont;

namespace {

// A white bitmap to draw on, read back as an image.
struct Canvas {
  wxBitmap bitmap{600, 300};
  wxMemoryDC dc{bitmap};
  Canvas() {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
  }
  // The bounding box of the dark pixels.
  wxRect Ink() {
    dc.SelectObject(wxNullBitmap);
    const wxImage im = bitmap.ConvertToImage();
    dc.SelectObject(bitmap);
    int left = im.GetWidth(), right = -1, top = im.GetHeight(), bottom = -1;
    for (int y = 0; y < im.GetHeight(); ++y)
      for (int x = 0; x < im.GetWidth(); ++x)
        if (im.GetRed(x, y) + im.GetGreen(x, y) + im.GetBlue(x, y) < 3 * 160) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
  }
};

// At 254 ppi a tenth of a millimetre is one device unit.
const wxSize MetricPpi{254, 254};

}  // namespace

TEST(DrawSurface, MapModes_ComposeWithTheScaleTheOwnerSetAndRestoreIt) {
  Canvas c;
  c.dc.SetUserScale(0.5, 0.25);
  {
    DrawSurface s(c.dc, MetricPpi);
    double x = 0, y = 0;
    s.SetMapMode(MM_LOMETRIC);
    c.dc.GetUserScale(&x, &y);
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, 0.25);
    // Device units are the owner's: the base scale is not counted.
    EXPECT_EQ(s.LogicalToDevice(wxSize(100, 200)), wxSize(100, 200));
    s.SetMapMode(MM_LOENGLISH);
    c.dc.GetUserScale(&x, &y);
    EXPECT_DOUBLE_EQ(x, 0.5 * 2.54);
    EXPECT_EQ(s.DeviceToLogical(wxSize(254, 508)), wxSize(100, 200));
  }
  double x = 0, y = 0;
  c.dc.GetUserScale(&x, &y);
  EXPECT_DOUBLE_EQ(x, 0.5);
  EXPECT_DOUBLE_EQ(y, 0.25);
}

TEST(DrawSurface, LogicalRectangles_AsDeviceRectanglesAtAScrollPosition) {
  struct Case {
    const char* setup;
    std::function<void(DrawSurface&)> map;
    wxPoint a, b, scroll;
    wxRect expected;
  };
  const Case cases[] = {
      {"pixels", [](DrawSurface& s) { s.SetMapMode(MM_TEXT); }, {0, 0}, {100, 20}, {0, 0}, {0, 0, 100, 20}},
      {"pixels, scrolled", [](DrawSurface& s) { s.SetMapMode(MM_TEXT); }, {0, 0}, {100, 20}, {10, 30},
       {-10, -30, 100, 20}},
      {"metric, y up", [](DrawSurface& s) { s.SetMapMode(MM_LOMETRIC); }, {0, -10}, {500, -41}, {0, 5},
       {0, 5, 500, 31}},
      // Half a unit is a pixel touched: the rectangle is widened to cover it.
      {"metric at half the resolution",
       [](DrawSurface& s) {
         s.SetMapMode(MM_LOMETRIC);
         s.ScaleViewportExt(1, 2, 1, 2);  // refused: a fixed mode
       },
       {0, -10}, {500, -41}, {0, 0}, {0, 10, 500, 31}},
      // The printed page: the table's 4000 units fill 2000 device units, the
      // window origin puts logical 0 120 units below the page's top.
      {"printing mapping",
       [](DrawSurface& s) {
         s.SetMapMode(MM_LOMETRIC);
         s.SetMapMode(MM_ANISOTROPIC);
         EXPECT_TRUE(s.ScaleViewportExt(2000, 4000, 2000, 4000));
         s.SetWindowOrg(0, 120);
       },
       {0, 0}, {4000, -110}, {0, 0}, {0, 60, 2000, 55}},
      {"isotropic takes the smaller scale",
       [](DrawSurface& s) {
         s.SetMapMode(MM_LOMETRIC);
         s.SetMapMode(MM_ISOTROPIC);
         EXPECT_TRUE(s.ScaleViewportExt(1, 2, 1, 4));
         EXPECT_FALSE(s.ScaleViewportExt(1, 0, 1, 1));
       },
       {0, 0}, {400, -400}, {0, 0}, {0, 0, 100, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setup);
    Canvas canvas;
    DrawSurface s(canvas.dc, MetricPpi);
    c.map(s);
    EXPECT_EQ(s.LogicalToDeviceRect(c.a, c.b, c.scroll), c.expected);
  }
}

TEST(DrawSurface, PrintingMapping_DrawsWhereItsRectanglesSay) {
  Canvas c;
  DrawSurface s(c.dc, MetricPpi);
  s.SetMapMode(MM_LOMETRIC);
  s.SetMapMode(MM_ANISOTROPIC);
  s.ScaleViewportExt(500, 1000, 500, 1000);
  s.SetWindowOrg(0, 120);
  s.DrawLine(100, -100, 1000, -100);
  const wxRect expected = s.LogicalToDeviceRect({100, -100}, {1000, -100});
  const wxRect ink = c.Ink();
  EXPECT_NEAR(ink.GetLeft(), expected.GetLeft(), 1);
  EXPECT_NEAR(ink.GetRight(), expected.GetRight(), 1);
  EXPECT_NEAR(ink.GetTop(), expected.GetTop(), 1);
  EXPECT_LE(ink.height, 2) << "a rule one device pixel wide";
}

TEST(DrawSurface, Text_HangsBelowItsPointAtTheCornerItIsAlignedBy) {
  struct Case {
    int mode;
    TextAlign align;
  };
  const Case cases[] = {{MM_TEXT, TextAlign::TopLeft},
                        {MM_TEXT, TextAlign::TopRight},
                        {MM_LOMETRIC, TextAlign::TopLeft},
                        {MM_LOMETRIC, TextAlign::TopRight}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " right " << (c.align == TextAlign::TopRight));
    Canvas canvas;
    DrawSurface s(canvas.dc, MetricPpi);
    s.SetMapMode(c.mode);
    s.SelectFont(ToWxFont(TestFont(-40)));
    const int y = c.mode == MM_TEXT ? 50 : -50;
    s.DrawText(L"Page 1 / 3", 400, y, c.align);
    const wxRect ink = canvas.Ink();
    const wxSize extent = s.TextExtent(L"Page 1 / 3");
    ASSERT_FALSE(ink.IsEmpty());
    // The point is the text box's corner: the ink lies inside that box.
    if (c.align == TextAlign::TopLeft) {
      EXPECT_NEAR(ink.GetLeft(), 400, 4);
    } else {
      EXPECT_NEAR(ink.GetRight(), 400, 4);
    }
    EXPECT_GE(ink.GetTop(), 50);
    EXPECT_LE(ink.GetBottom(), 50 + extent.y);
  }
}
