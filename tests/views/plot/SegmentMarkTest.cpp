// Short pieces of a line laid into a bitmap's pixels as marks: the pixels the
// graphics context gives stroking each piece, on any background and
// wherever the piece lies; and nothing laid where the context may not draw.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <algorithm>
#include <cstdlib>

#include "tests/support/GuiTest.h"
#include "tests/support/ImageDiff.h"
#include "views/plot/SegmentMark.h"

using namespace PardeloStravon;

namespace {

const wxSize Size(120, 90);
const wxColour Ink(200, 30, 60);

// A background of many colours, the same every time.
wxBitmap Background() {
  wxImage image(Size.x, Size.y);
  for (int y = 0; y < Size.y; ++y)
    for (int x = 0; x < Size.x; ++x) image.SetRGB(x, y, 255 - 2 * x, 40 + 2 * y, (x * y) % 256);
  return wxBitmap(image, 24);
}

struct Piece {
  wxPoint from;
  int dx, dy, width;
};

wxImage Stroked(const Piece& p) {
  wxBitmap bitmap = Background();
  {
    wxMemoryDC dc(bitmap);
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    gc->SetPen(wxPen(Ink, p.width, wxPENSTYLE_SOLID));
    wxGraphicsPath path = gc->CreatePath();
    path.MoveToPoint(p.from.x, p.from.y);
    path.AddLineToPoint(p.from.x + p.dx, p.from.y + p.dy);
    gc->StrokePath(path);
  }
  return bitmap.ConvertToImage();
}

wxImage Laid(const Piece& p, const wxRect* clip = nullptr) {
  wxBitmap bitmap = Background();
  {
    wxMemoryDC dc(bitmap);
    if (clip) dc.SetClippingRegion(*clip);
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    FindSegmentMarks(p.width, {MarkPiece{p.dx, p.dy}});
    Platform::BitmapPixels pixels(gc, Ink);
    EXPECT_TRUE(pixels.Ok());
    pixels.Lay(p.from.x, p.from.y, SegmentMark(p.width, p.dx, p.dy));
  }
  return bitmap.ConvertToImage();
}

// The largest difference of a channel.
int Farthest(const wxImage& a, const wxImage& b) {
  int most = 0;
  for (int i = 0; i < 3 * a.GetWidth() * a.GetHeight(); ++i)
    most = std::max(most, std::abs(a.GetData()[i] - b.GetData()[i]));
  return most;
}

}  // namespace

TEST(SegmentMark, LaidPieceGivesThePixelsOfItsStroke_OnAnyBackgroundAndAnywhere) {
  const Piece pieces[] = {
      {{10, 10}, 0, 1, 1},  {{57, 33}, 0, 1, 1},   {{30, 40}, 0, 1, 2},  {{31, 41}, 0, 1, 3},
      {{70, 20}, 1, 17, 2}, {{71, 60}, 1, -23, 1}, {{40, 70}, 0, 0, 2},  {{90, 45}, 1, 0, 4},
      {{5, 80}, 3, -9, 3},  {{100, 5}, -2, 30, 2}, {{0, 0}, 0, 1, 2},    {{119, 89}, 0, -5, 3},
  };
  for (const Piece& p : pieces) {
    SCOPED_TRACE(testing::Message() << "from " << p.from.x << "," << p.from.y << " by " << p.dx << "," << p.dy
                                    << " width " << p.width);
    const wxImage stroked = Stroked(p), laid = Laid(p);
    EXPECT_GT(TestSupport::DifferingPixels(stroked, Background().ConvertToImage()), 0);
    // Upright pieces, a decimated line's most, to the level; a slanting
    // piece's smoothing lies a level off in a few pixels, as the context
    // itself smooths a slant a little differently in different places.
    EXPECT_LE(Farthest(stroked, laid), p.dx == 0 ? 0 : 1);
  }
}

TEST(SegmentMark, NothingIsLaidOutsideTheContextsClip) {
  const Piece p{{60, 20}, 1, 40, 3};
  const wxRect clip(0, 0, Size.x, 40);
  const wxImage laid = Laid(p, &clip), background = Background().ConvertToImage();
  for (int y = 0; y < Size.y; ++y)
    for (int x = 0; x < Size.x; ++x)
      if (!clip.Contains(x, y)) {
        ASSERT_EQ(laid.GetRed(x, y), background.GetRed(x, y)) << x << "," << y;
      }
  EXPECT_GT(TestSupport::DifferingPixels(laid, background), 0);
}

TEST(SegmentMark, PiecesFoundTogetherOnManySheetsGiveTheirStrokes_AndLongOnesAreLeftToTheStroke) {
  // More and longer pieces than one sheet holds, the short ones last.
  std::vector<MarkPiece> many;
  for (int k = 0; k < 300; ++k) many.push_back(MarkPiece{k % 2 ? k : -k, 500 - k});
  const Piece shortOnes[] = {{{20, 20}, 2, 25, 2}, {{60, 30}, 0, 7, 2}, {{90, 40}, -3, 11, 2}};
  for (const Piece& p : shortOnes) many.push_back(MarkPiece{p.dx, p.dy});
  FindSegmentMarks(2, many);
  for (const Piece& p : shortOnes) {
    SCOPED_TRACE(testing::Message() << "by " << p.dx << "," << p.dy);
    EXPECT_LE(Farthest(Stroked(p), Laid(p)), p.dx == 0 ? 0 : 1);
  }
  EXPECT_FALSE(SegmentMark(2, 299, 201).empty());
  EXPECT_TRUE(Markable(2, 512, -512));
  EXPECT_FALSE(Markable(2, 513, 0));
  EXPECT_FALSE(Markable(2, 0, -900));
}
