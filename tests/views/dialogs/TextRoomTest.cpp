#include <gtest/gtest.h>

#include <vector>

#include "views/dialogs/TextRoom.h"

using namespace PardeloStravon;

namespace {

// Where each probe x lands once the spans got their room.
TEST(TextRoom, ShortTexts_PushWhatStandsRightOfThemByTheLeastThatHoldsEveryText) {
  struct Case {
    const char* name;
    std::vector<TextSpan> spans;
    std::vector<std::pair<int, int>> moves;  // x, where it goes
  } cases[] = {
      {"every text fits", {{9, 17, 17}, {35, 83, 0}}, {{0, 0}, {26, 26}, {35, 35}, {200, 200}}},
      {"one label: right of it moves, left stays", {{9, 17, 22}}, {{9, 9}, {25, 25}, {26, 31}, {35, 40}}},
      {"two labels of one column: the longer decides", {{10, 90, 95}, {10, 90, 100}}, {{10, 10}, {100, 110}, {110, 120}}},
      {"chained columns add up", {{0, 10, 14}, {20, 10, 15}}, {{5, 5}, {10, 14}, {20, 24}, {30, 39}, {40, 49}}},
      {"a later label already given room by an earlier one", {{0, 10, 14}, {5, 10, 12}}, {{5, 5}, {10, 14}, {15, 19}}},
      {"a wide control across an edge grows with it", {{9, 40, 50}, {5, 100, 0}}, {{5, 5}, {49, 59}, {105, 115}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TextRoom room = TextRoom::For(c.spans);
    for (const auto& [x, to] : c.moves) EXPECT_EQ(room.MapX(x), to) << "x " << x;
    // Every span holds its text, and nothing left of a span moved past it.
    for (const TextSpan& s : c.spans) EXPECT_GE(room.MapX(s.x + s.cx) - room.MapX(s.x), std::max(s.cx, s.need));
  }
  EXPECT_TRUE(TextRoom().Empty());
  EXPECT_TRUE(TextRoom::For({{9, 17, 10}}).Empty());
}

}  // namespace
