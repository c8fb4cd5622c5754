#include <gtest/gtest.h>

#include <cmath>

#include "views/graph/GraphLayout.h"
#include "views/plot/PlotLayout.h"
#include "views/plot/PlotRegion.h"

using namespace PardeloStravon;

namespace {

const std::wstring Tail = L" 0\"> <child index=\"1\"> <matrix ncols=\"1\"  xpos=\"0 1\"/> </child> </matrix> </layout>";

struct LayoutCase {
  std::size_t n;
  std::wstring ypos;  // without the closing blank and 0
};

const LayoutCase LayoutCases[] = {
    {1, L"1.0 "},
    {2, L"1.0 0.5251 "},
    {3, L"1.0 0.6834 0.3668 "},
    {4, L"1.0 0.7626 0.5252 0.2878 "},
    {20, L"1.0 0.9526 0.9052 0.8578 0.8104 0.7630 0.7156 0.6682 0.6208 0.5734 0.5260 0.4786 0.4312 "
         L"0.3838 0.3364 0.2890 0.2416 0.1942 0.1468 0.0994 "},
};

}  // namespace

TEST(GraphLayout, StringIsWrittenCharacterForCharacterWithTheSinglePrecisionStep) {
  for (const auto& c : LayoutCases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(GraphLayoutString(c.n),
              L"<layout> <matrix nrows=\"" + std::to_wstring(c.n) + L"\"  ypos=\"" + c.ypos + Tail);
  }
}

TEST(GraphLayout, EachStringLaysOutOneRowPerSeriesAtItsBoundaries) {
  for (const auto& c : LayoutCases) {
    SCOPED_TRACE(c.n);
    PlotRegion root;
    root.Layout(GraphLayoutString(c.n));
    ASSERT_EQ(root.GetNChildren(), c.n);
    EXPECT_EQ(root.GetChild(0)->TopFraction(), 1.0);
    EXPECT_EQ(root.GetChild(c.n - 1)->BottomFraction(), 0.0);
    const long step = c.n == 1 ? 9499 : c.n == 2 ? 4749 : c.n == 3 ? 3166 : c.n == 4 ? 2374 : 474;
    for (std::size_t i = 1; i < c.n; ++i) {
      EXPECT_NEAR(root.GetChild(i)->TopFraction(), (10000 - step * static_cast<long>(i)) / 10000.0, 1e-12);
      EXPECT_EQ(root.GetChild(i)->TopFraction(), root.GetChild(i - 1)->BottomFraction());
    }
    // The last row also takes the band of the time numbers.
    EXPECT_NEAR(root.GetChild(c.n - 1)->TopFraction(), 1.0 - (c.n - 1) * step / 10000.0, 1e-12);
  }
}

TEST(GraphLayout, OtherStringsAreRefused) {
  const std::wstring refused[] = {
      L"",
      L"<layout> </layout>",
      L"<layout> <matrix nrows=\"2\"  ypos=\"1.0  0\"> </matrix> </layout>",             // too few boundaries
      L"<layout> <matrix nrows=\"1\"  ypos=\"0.9  0\"> </matrix> </layout>",             // not from the top
      L"<layout> <matrix nrows=\"2\"  ypos=\"1.0 0.2 0.5 0\"> </matrix> </layout>",      // three rows
      L"<layout> <matrix nrows=\"2\"  ypos=\"1.0 1.0  0\"> </matrix> </layout>",         // empty row
      L"<layout> <matrix nrows=\"0\"  ypos=\"1.0  0\"> </matrix> </layout>",
      L"<layout> <matrix nrows=\"x\"  ypos=\"1.0  0\"> </matrix> </layout>",
      L"<layout> <matrix nrows=\"1\"  ypos=\"1.0 zero\"> </matrix> </layout>",
      L"<layout> <matrix ncols=\"1\"  xpos=\"0 1\"> </matrix> </layout>",
      L"<layout> <matrix nrows=\"1\"  ypos=\"1.0  0\"> <child index=\"0\"> <matrix ncols=\"2\"  xpos=\"0 0.5 1\"/> "
      L"</child> </matrix> </layout>",
      L"<layout> <matrix nrows=\"1\"  ypos=\"1.0  0\"> </matrix> </layout> trailing",
      L"<layout> <matrix nrows=\"1\"  ypos=\"1.0  0\"> </matrix>",
  };
  for (const auto& s : refused) {
    SCOPED_TRACE(std::string(s.begin(), s.end()));
    EXPECT_THROW(ParseRowLayout(s), PlotLayoutError);
  }
}
