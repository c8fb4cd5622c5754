#include <gtest/gtest.h>

#include "views/dialogs/ScrollModel.h"

using namespace PardeloStravon::Scroll;

namespace {

// A client of 100 x 100 over content of 100 + hRange by 100 + vRange.
ScrollModel Model(int hRange, int vRange) {
  ScrollModel m;
  m.SetFullSize(100 + hRange, 100 + vRange);
  m.Resize(100, 100);
  return m;
}

}  // namespace

TEST(ScrollModel, BarSteps_FollowTheRangeAndStopAtBothEnds) {
  const struct {
    const char* what;
    int range;
    int startPos;
    ScrollCode code;
    int pos;  // the released thumb's position
    int expectedPos;
  } cases[] = {
      {"line down, 1 % of the range", 1000, 0, SB_LINEDOWN, 0, 10},
      {"line up", 1000, 500, SB_LINEUP, 0, 490},
      {"page down, 20 %", 1000, 0, SB_PAGEDOWN, 0, 200},
      {"page up", 1000, 500, SB_PAGEUP, 0, 300},
      {"line down stops at the range", 1000, 995, SB_LINEDOWN, 0, 1000},
      {"line up stops at 0", 1000, 4, SB_LINEUP, 0, 0},
      {"page down stops at the range", 1000, 900, SB_PAGEDOWN, 0, 1000},
      {"page up stops at 0", 1000, 150, SB_PAGEUP, 0, 0},
      {"nothing past the bottom", 1000, 1000, SB_LINEDOWN, 0, 1000},
      {"nothing past the top", 1000, 0, SB_PAGEUP, 0, 0},
      {"a range under 100 has no line step", 99, 50, SB_LINEDOWN, 0, 50},
      {"... but a page step", 99, 50, SB_PAGEDOWN, 0, 69},
      {"a range under 5 has no page step", 4, 2, SB_PAGEDOWN, 0, 2},
      {"the thumb's release moves to it", 1000, 100, SB_THUMBPOSITION, 640, 640},
      {"a release beyond the range stops at it", 1000, 100, SB_THUMBPOSITION, 5000, 1000},
      {"tracking, top and bottom do nothing", 1000, 300, SB_OTHER, 900, 300},
  };
  for (const auto& c : cases) {
    for (bool vertical : {true, false}) {
      ScrollModel m = vertical ? Model(0, c.range) : Model(c.range, 0);
      vertical ? m.VScroll(SB_THUMBPOSITION, c.startPos) : m.HScroll(SB_THUMBPOSITION, c.startPos);
      const ContentMove move = vertical ? m.VScroll(c.code, c.pos) : m.HScroll(c.code, c.pos);
      const int pos = vertical ? m.VPos() : m.HPos();
      EXPECT_EQ(pos, c.expectedPos) << c.what << (vertical ? " (vertical)" : " (horizontal)");
      // The content moves against the position, on its own axis only.
      EXPECT_EQ(vertical ? move.dy : move.dx, c.startPos - c.expectedPos) << c.what;
      EXPECT_EQ(vertical ? move.dx : move.dy, 0) << c.what;
    }
  }
}

TEST(ScrollModel, Wheel_ScrollsByNotchesTimesLinesOrAPage) {
  const struct {
    const char* what;
    int range;
    int delta;
    int lines;
    bool handled;
    int expectedPos;  // from 500
  } cases[] = {
      {"a zero delta scrolls nothing", 1000, 0, 3, true, 500},
      {"less than a notch scrolls nothing", 1000, -119, 3, true, 500},
      {"one notch down, three lines", 1000, -120, 3, true, 530},
      {"one notch up", 1000, 120, 3, true, 470},
      {"three notches down", 1000, -360, 3, true, 590},
      {"a fine wheel up, no notch", 1000, 119, 3, true, 500},
      {"page mode: a zero delta pages down", 1000, 0, WheelPageMode, true, 700},
      {"page mode: any size pages once", 1000, -360, WheelPageMode, true, 700},
      {"page mode: up", 1000, 119, WheelPageMode, true, 300},
      {"lines stop at the end", 1000, -120 * 100, 3, true, 1000},
      {"nothing to scroll: not handled", 0, -120, 3, false, 0},
  };
  for (const auto& c : cases) {
    ScrollModel m = Model(0, c.range);
    m.VScroll(SB_THUMBPOSITION, 500);
    const int before = m.VPos();
    ContentMove moved;
    EXPECT_EQ(m.Wheel(c.delta, c.lines, moved), c.handled) << c.what;
    EXPECT_EQ(m.VPos(), c.expectedPos) << c.what;
    EXPECT_EQ(moved.dy, before - c.expectedPos) << c.what;
    EXPECT_EQ(m.HPos(), 0) << c.what << ": the wheel never scrolls sideways";
  }
}

TEST(ScrollModel, Resize_ClampsThePositionsAndMovesTheContentBack) {
  const struct {
    const char* what;
    int clientCx, clientCy;
    int expectedH, expectedV;
    ContentMove move;
  } cases[] = {
      // Scrolled to 300 x 600 of the ranges 400 x 800 first.
      {"smaller: positions kept", 80, 80, 300, 600, {0, 0}},
      {"a little larger: still in range", 150, 250, 300, 600, {0, 0}},
      {"larger than the scrolled part: clamped", 300, 500, 200, 400, {100, 200}},
      {"everything fits: back at the origin", 600, 1000, 0, 0, {300, 600}},
  };
  for (const auto& c : cases) {
    ScrollModel m = Model(400, 800);
    m.HScroll(SB_THUMBPOSITION, 300);
    m.VScroll(SB_THUMBPOSITION, 600);
    const ContentMove move = m.Resize(c.clientCx, c.clientCy);
    EXPECT_EQ(m.HPos(), c.expectedH) << c.what;
    EXPECT_EQ(m.VPos(), c.expectedV) << c.what;
    EXPECT_EQ(move.dx, c.move.dx) << c.what;
    EXPECT_EQ(move.dy, c.move.dy) << c.what;
    EXPECT_LE(m.VPos(), m.VRange()) << c.what;
  }
}

TEST(ScrollModel, PageBoxIsAFifthOfTheRange) {
  ScrollModel m = Model(1003, 4);
  EXPECT_EQ(m.HRange(), 1003);
  EXPECT_EQ(m.HPage(), 200);
  EXPECT_EQ(m.VPage(), 0);
  m.SetFullSize(50, 50);
  m.Resize(100, 100);
  EXPECT_EQ(m.HRange(), 0) << "content that fits has no range";
  EXPECT_EQ(m.VRange(), 0);
}
