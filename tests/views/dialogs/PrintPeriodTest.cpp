#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/CatalogueFixture.h"
#include "views/dialogs/PrintPeriod.h"

using namespace PardeloStravon;

TEST(PrintPeriod, DaysToSeconds_TruncatesAfterAddingATenthAndRefusesWhatDoesNotFit) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double days;
    std::optional<long> seconds;
  } cases[] = {
      {7, 604800},
      {1.5, 129600},
      {0.00001, 0},  // 0.864 s
      {-1, -86399},  // -86400 + 0.1 truncated toward zero
      {0, 0},
      {24855, 2147472000},
      {24855.134, 2147483577},
      {-24855, -2147471999},
      {24856, std::nullopt},
      {-24856, std::nullopt},
      {1e300, std::nullopt},
      {-1e300, std::nullopt},
      {inf, std::nullopt},
      {-inf, std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintPeriodSeconds(c.days), c.seconds) << c.days;
}

TEST(PrintPeriod, WholeSecondsSurviveTheWayToDaysAndBack) {
  const long seconds[] = {0, 1, 59, 60, 3600, 86399, 86400, 604800, 16777215, 2147483647};
  for (long s : seconds) EXPECT_EQ(PrintPeriodSeconds(PrintPeriodDays(s)), s) << s;
  EXPECT_EQ(PrintPeriodDays(604800), 7.0);
}

TEST(PrintPeriod, RangePromptNamesTheBoundsInDays) {
  TestSupport::LoadShippedCatalogue();
  EXPECT_EQ(PrintPeriodRangePrompt(L"Print"), L"Please enter a number of days between 0.0000116 and 24855 for \"Print\".");
  // One second is the shortest period taken; what the field cannot hold is none.
  EXPECT_FALSE(PrintPeriodHeld(PrintPeriodSeconds(0.00001)));
  EXPECT_TRUE(PrintPeriodHeld(PrintPeriodSeconds(0.0000116)));
  EXPECT_FALSE(PrintPeriodHeld(PrintPeriodSeconds(-1)));
  EXPECT_FALSE(PrintPeriodHeld(PrintPeriodSeconds(1e300)));
}
