#include <gtest/gtest.h>

#include <memory>

#include "foundation/values/ValueRange.h"
#include "tests/foundation/values/TestRange.h"

using namespace PardeloStravon;
using TestSupport::Range;

TEST(ValueRange, ValueInRange_IncludesBothBoundsAndNothingBeyond) {
  const auto setPoint = Range(Temper(-30), Temper(40), Temper(4));
  const auto band = Range(TemperDiff(-5), TemperDiff(5), TemperDiff(0));
  const auto humidity = Range(Humidity(50), Humidity(100), Humidity(85));
  const auto defrost = Range(Delay3(60), Delay3(7200), Delay3(1800));
  const auto fan = Range(CharOne(1), CharOne(3), CharOne(1));
  const auto onlyOn = Range(true, true, true);
  const struct {
    std::shared_ptr<RTTRange> range;
    boost::any value;
    bool in;
  } cases[] = {
      {setPoint, Temper(-30), true},     {setPoint, Temper(40), true},
      {setPoint, Temper(-30.1), false},  {setPoint, Temper(40.1), false},
      {setPoint, Temper(999), false},    {setPoint, Temper(-55), false},
      {band, TemperDiff(-5), true},      {band, TemperDiff(-5.1), false},
      {band, TemperDiff(5.1), false},    {humidity, Humidity(49.9), false},
      {humidity, Humidity(100), true},   {defrost, Delay3(59), false},
      {defrost, Delay3(7200), true},     {defrost, Delay3(16777215), false},
      {fan, CharOne(0), false},          {fan, CharOne(3), true},
      {fan, CharOne(4), false},          {onlyOn, false, false},
      {onlyOn, true, true},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(ValueInRange(*cases[i].range, cases[i].value), cases[i].in) << "case " << i;
}

TEST(ValueRange, ValueOfAnotherType_Throws) {
  EXPECT_THROW(ValueInRange(*Range(Temper(-30), Temper(40), Temper(4)), Humidity(5)),
               boost::bad_any_cast);
}
