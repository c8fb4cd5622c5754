#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "tests/support/ScopedTz.h"
#include "tests/views/graph/RowsFixture.h"
#include "views/graph/GphZoom.h"
#include "views/graph/RowRange.h"

namespace {

using namespace PardeloStravon;
using TestSupport::RowsFixture;

const std::vector<long> Times = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
const std::vector<double> First = {5, 3, 8, 1, 9, 2, 7, 4, 6, 0};
const std::vector<double> Second = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

const double Q = 1 / std::sqrt(std::sqrt(2.0));

TEST(GphZoomFactor, WheelAndKeysGiveTheStepOfTheirTurnOrCount) {
  struct Case {
    const char* what;
    double factor;
    double expected;
  } cases[] = {
      {"wheel 0 zooms in", WheelZoomFactor(0), 2.0},
      {"wheel -120 zooms in", WheelZoomFactor(-120), 2.0},
      {"wheel 1 is no whole notch", WheelZoomFactor(1), 1.0},
      {"wheel 119 is no whole notch", WheelZoomFactor(119), 1.0},
      {"wheel 120 widens one step", WheelZoomFactor(120), Q},
      {"wheel 240 widens two steps", WheelZoomFactor(240), Q * Q},
      {"wheel 1500 widens ten steps at most", WheelZoomFactor(1500), std::pow(Q, 10)},
      {"minus once", KeyZoomFactor(189, 1), Q},
      {"minus repeated 3", KeyZoomFactor(189, 3), std::pow(Q, 3)},
      {"minus repeated 12 is ten steps", KeyZoomFactor(189, 12), std::pow(Q, 10)},
      {"plus once", KeyZoomFactor(187, 1), 2.0},
      {"plus repeated 7 is still 2", KeyZoomFactor(187, 7), 2.0},
      {"keypad plus does nothing", KeyZoomFactor(107, 1), 0.0},
      {"keypad minus does nothing", KeyZoomFactor(109, 1), 0.0},
      {"'0' does not zoom by a factor", KeyZoomFactor('0', 1), 0.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.factor, c.expected) << c.what;
  EXPECT_DOUBLE_EQ(GphZoomOut, 0.8408964152537146);
  EXPECT_TRUE(KeyResets('0'));
  EXPECT_FALSE(KeyResets(324));  // the keypad's 0
}

TEST(GphNearestIndex, TiesGoToTheLaterSampleAndOutsideXClampsToTheEnds) {
  RowsFixture rows(Times, {First});
  struct Case {
    long x;
    int expected;
  } cases[] = {{-50, 0}, {0, 0}, {4, 0}, {5, 1}, {6, 1}, {44, 4}, {45, 5}, {90, 9}, {1000, 9}};
  for (const Case& c : cases) EXPECT_EQ(NearestIndex(rows.Row(), c.x), c.expected) << "x " << c.x;
}

// Zoom steps from a shown range: where they land, or that they change
// nothing.
TEST(GphZoomRows, StepsLandOnSamplesAndKeepTheirLimits) {
  struct Case {
    const char* what;
    std::pair<int, int> before;
    double factor;
    long centre;
    std::optional<std::pair<int, int>> after;  // none: unchanged
  } cases[] = {
      {"in by 2 around the click", {0, 9}, 2.0, 45, std::make_pair(2, 7)},
      {"in by 2 around a click near the start", {0, 9}, 2.0, 10, std::make_pair(0, 3)},
      {"in by 2 around a click past the end keeps two", {0, 9}, 2.0, 500, std::make_pair(8, 9)},
      {"out around the middle widens by a sample", {2, 7}, Q, 0, std::make_pair(1, 7)},
      {"out by ten steps around the middle", {4, 5}, std::pow(Q, 10), 0, std::make_pair(2, 7)},
      {"in with two shown does nothing", {3, 4}, 2.0, 35, std::nullopt},
      {"factor 1 with two shown does nothing", {3, 4}, 1.0, 35, std::nullopt},
      {"out with all shown does nothing", {0, 9}, Q, 45, std::nullopt},
      {"factor 1 with all shown does nothing", {0, 9}, 1.0, 45, std::nullopt},
      {"factor 1 widens by one sample", {2, 7}, 1.0, 0, std::make_pair(1, 7)},
      {"factor 1 at the start widens at the end", {0, 6}, 1.0, 0, std::make_pair(0, 7)},
      {"a collapse to one sample keeps two", {0, 3}, 8.0, 12, std::make_pair(0, 1)},
      {"a collapse inside keeps the one before", {4, 8}, 16.0, 61, std::make_pair(5, 6)},
  };
  for (const Case& c : cases) {
    RowsFixture rows(Times, {First, Second});
    rows.Show(c.before.first, c.before.second);
    const bool changed = ZoomRowsAround(rows.Gfx(), rows.Row(1), c.factor, c.centre);
    const std::pair<int, int> expected = c.after.value_or(c.before);
    EXPECT_EQ(changed, c.after.has_value()) << c.what;
    for (std::size_t k = 0; k < 2; ++k) EXPECT_EQ(rows.Shown(k), expected) << c.what << ", row " << k;
  }
}

TEST(GphZoomRows, EachRowShowsExactlyItsOwnValueRangeWithFifthGridSteps) {
  RowsFixture rows(Times, {First, Second});
  rows.Show(0, 9);
  // Around 55 by 2: samples 3 to 8.
  ASSERT_TRUE(ZoomRowsAround(rows.Gfx(), rows.Row(0), 2.0, 55));
  ASSERT_EQ(rows.Shown(0), std::make_pair(3, 8));
  struct Expect {
    double bottom, top, yStep;
  } expect[] = {{1, 9, 8.0 / 5}, {13, 18, 1.0}};
  for (std::size_t k = 0; k < 2; ++k) {
    const PlotRect lim = rows.Row(k)->GetAxe()->GetLimits();
    EXPECT_DOUBLE_EQ(lim.left, 30) << k;
    EXPECT_DOUBLE_EQ(lim.right, 80) << k;
    EXPECT_DOUBLE_EQ(lim.bottom, expect[k].bottom) << k;
    EXPECT_DOUBLE_EQ(lim.top, expect[k].top) << k;
    EXPECT_DOUBLE_EQ(rows.Row(k)->GetAxe()->GetGridStep(PlotAxisX), 10) << k;
    EXPECT_DOUBLE_EQ(rows.Row(k)->GetAxe()->GetGridStep(PlotAxisY), expect[k].yStep) << k;
  }
  // Two samples of close values: the steps' floors.
  RowsFixture flat({0, 3, 4}, {{1.0, 1.05, 1.0}});
  flat.Show(1, 2);
  EXPECT_DOUBLE_EQ(flat.Row()->GetAxe()->GetGridStep(PlotAxisX), 1.0);
  EXPECT_DOUBLE_EQ(flat.Row()->GetAxe()->GetGridStep(PlotAxisY), 0.1);
}

TEST(GphZoomReset, ShowsEverySampleAgain) {
  RowsFixture rows(Times, {First, Second});
  rows.Show(3, 4);
  ASSERT_TRUE(ZoomResetRows(rows.Gfx(), rows.Row(0)));
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(rows.Shown(k), std::make_pair(0, 9));
    const PlotRect lim = rows.Row(k)->GetAxe()->GetLimits();
    EXPECT_DOUBLE_EQ(lim.bottom, *std::min_element(k ? Second.begin() : First.begin(), k ? Second.end() : First.end()));
  }
}

TEST(GphZoomRows, WithoutRowOrParentNothingHappens) {
  RowsFixture rows(Times, {First});
  EXPECT_FALSE(ZoomRowsAround(rows.Gfx(), nullptr, 2.0, 0));
  EXPECT_FALSE(ZoomRowsAround(rows.Gfx(), rows.Root(), 2.0, 0));  // the root has no parent
  EXPECT_FALSE(ZoomResetRows(rows.Gfx(), nullptr));
  EXPECT_EQ(PixelToX(nullptr, 10), 0);
  EXPECT_EQ(PointerInfoText(nullptr, 1, 2, 0, L"%H"), L"");
}

TEST(GphPointerInfo, NamesTheNearerSampleThePointersOwnTimeAndEveryRowsValue) {
  TestSupport::ScopedTz zone("Europe/Berlin");
  const std::time_t from = 1700000000;  // 23:13:20 local
  RowsFixture rows({0, 10, 20, 30}, {{21.456789, 22.5, 23, 24}, {55, 56.125, 57, 58}});
  rows.Draw(wxRect(0, 0, 400, 300));
  auto pixelOf = [&](long x) {
    for (int px = 0; px < 400; ++px)
      if (PixelToX(rows.Row(0), px) == x) return px;
    ADD_FAILURE() << "no pixel shows x " << x;
    return 0;
  };
  struct Case {
    long x;
    std::wstring tail;  // after "(px,7)"
  } cases[] = {
      {2, L"(0s,nr.0,21.4568)(23:13:22 14.11.2023,S0=21.4568,S1=55)"},
      {14, L"(10s,nr.1,22.5)(23:13:34 14.11.2023,S0=22.5,S1=56.125)"},
      {15, L"(20s,nr.2,23)(23:13:35 14.11.2023,S0=23,S1=57)"},  // a tie: the later
  };
  for (const Case& c : cases) {
    const int px = pixelOf(c.x);
    EXPECT_EQ(PointerInfoText(rows.Row(0), px, 7, from, L"%H:%M:%S\n%d.%m.%Y"),
              L"(" + std::to_wstring(px) + L",7)" + c.tail);
  }
}

}  // namespace
