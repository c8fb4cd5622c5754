#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "foundation/values/ValueTypes.h"

using namespace PardeloStravon;

namespace {

VUC Bytes(const RTTypePure& type, const boost::any& value) { return type.Encode(value); }

}  // namespace

TEST(ValueTypes, EachRange_SizesAndZeroValueFollowItsUnit) {
  const struct {
    const char* what;
    std::shared_ptr<RTTRange> range;
    unsigned bytes;
    unsigned bits;
    VUC zero;
    double number;
  } cases[] = {
      {"Temper", std::make_shared<RTTRXML<Temper>>(Temper(-55), Temper(145), Temper(-55)), 2, 0, {0, 0}, -55.0},
      {"TemperDiff", std::make_shared<RTTRXML<TemperDiff>>(TemperDiff(-200), TemperDiff(200), TemperDiff(0)), 2, 0, {0, 0}, 0.0},
      {"Humidity", std::make_shared<RTTRXML<Humidity>>(Humidity(0), Humidity(100), Humidity(0)), 2, 0, {0, 0}, 0.0},
      {"HumidityDiff", std::make_shared<RTTRXML<HumidityDiff>>(HumidityDiff(-100), HumidityDiff(100), HumidityDiff(0)), 2, 0, {0, 0}, 0.0},
      {"Pressure", std::make_shared<RTTRXML<Pressure>>(Pressure(0), Pressure(30), Pressure(0)), 2, 0, {0, 0}, 0.0},
      {"PressureDiff", std::make_shared<RTTRXML<PressureDiff>>(PressureDiff(-30), PressureDiff(30), PressureDiff(0)), 2, 0, {0, 0}, 0.0},
      {"Ethylene", std::make_shared<RTTRXML<Ethylene>>(Ethylene(0), Ethylene(100), Ethylene(0)), 2, 0, {0, 0}, 0.0},
      {"EthyleneDiff", std::make_shared<RTTRXML<EthyleneDiff>>(EthyleneDiff(-100), EthyleneDiff(100), EthyleneDiff(0)), 2, 0, {0, 0}, 0.0},
      {"Delay3", std::make_shared<RTTRXML<Delay3>>(Delay3(0), Delay3(16777215), Delay3(0)), 3, 0, {0, 0, 0}, 0.0},
      {"Dy3", std::make_shared<RTTRXML<Dy3>>(Dy3(0), Dy3(16777215), Dy3(0)), 3, 0, {0, 0, 0}, 0.0},
      {"CharOne", std::make_shared<RTTRXML<CharOne>>(CharOne(0), CharOne(255), CharOne(0)), 1, 0, {0}, 0.0},
      {"bool", std::make_shared<RTTRXML<bool>>(false, true, false), 0, 1, {0}, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.range->ByteSize(), c.bytes) << c.what;
    EXPECT_EQ(c.range->BitCount(), c.bits) << c.what;
    const boost::any zero = c.range->DefaultValue();
    EXPECT_EQ(Bytes(*c.range, zero), c.zero) << c.what;
    EXPECT_EQ(c.range->ToDouble(zero), c.number) << c.what;
    // Decoding the bytes of the bounds gives the bounds back, bit for bit.
    for (const boost::any& bound : {c.range->Min(), c.range->Max(), c.range->Dft()}) {
      boost::any decoded = c.range->DefaultValue();
      c.range->Decode(Bytes(*c.range, bound), decoded);
      EXPECT_EQ(Bytes(*c.range, decoded), Bytes(*c.range, bound)) << c.what;
    }
  }
}

TEST(ValueTypes, RangeBounds_HoldTheirEncodedBytes) {
  const RTTRXML<Temper> range(Temper(-55), Temper(145), Temper(-55));
  EXPECT_EQ(Bytes(range, range.Min()), (VUC{0x00, 0x00}));
  EXPECT_EQ(Bytes(range, range.Max()), (VUC{0x07, 0xD0}));
  EXPECT_EQ(Bytes(range, range.Dft()), (VUC{0x00, 0x00}));
  EXPECT_EQ(boost::any_cast<Temper>(range.Max()).Value(), 145.0);
}

TEST(ValueTypes, BoolValue_IsOneByteHoldingBitZero) {
  const RTP<bool> type;
  EXPECT_EQ(type.Encode(boost::any(true)), (VUC{0x01}));
  boost::any value = true;
  type.Decode(VUC{0x00}, value);
  EXPECT_FALSE(boost::any_cast<bool>(value));
  type.Decode(VUC{0x01}, value);
  EXPECT_TRUE(boost::any_cast<bool>(value));
  EXPECT_EQ(type.ToDouble(value), 1.0);
}

TEST(ValueTypes, DecodeOfWrongSizedBytes_ThrowsAndKeepsTheValue) {
  const struct {
    const char* what;
    std::shared_ptr<RTTypePure> type;
    boost::any value;
    VUC bytes;
  } cases[] = {
      {"Temper from 3 bytes", std::make_shared<RTP<Temper>>(), Temper(20.0), {0x01, 0x02, 0x03}},
      {"Humidity from 1 byte", std::make_shared<RTP<Humidity>>(), Humidity(50.0), {0x01}},
      {"Delay3 from 2 bytes", std::make_shared<RTP<Delay3>>(), Delay3(86400), {0x01, 0x02}},
      {"CharOne from nothing", std::make_shared<RTP<CharOne>>(), CharOne(9), {}},
      {"bool from 2 bytes", std::make_shared<RTP<bool>>(), true, {0x00, 0x00}},
  };
  for (auto c : cases) {
    const VUC before = c.type->Encode(c.value);
    try {
      c.type->Decode(c.bytes, c.value);
      ADD_FAILURE() << c.what << " did not throw";
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "In UVector2Struct") << c.what;
    }
    EXPECT_EQ(c.type->Encode(c.value), before) << c.what;
  }
}

TEST(ValueTypes, ValueOfAnotherUnit_FailsEveryValueOperationAndChangesNothing) {
  const RTTRXML<Temper> range(Temper(-55), Temper(145), Temper(-55));
  for (boost::any value : {boost::any(Humidity(12.5)), boost::any()}) {
    std::wostringstream os;
    std::wistringstream is(L"20");
    EXPECT_THROW(range.Encode(value), boost::bad_any_cast);
    EXPECT_THROW(range.Decode(VUC{0x02, 0xEE}, value), boost::bad_any_cast);
    EXPECT_THROW(range.Print(os, value), boost::bad_any_cast);
    EXPECT_THROW(range.Read(is, value), boost::bad_any_cast);
    EXPECT_THROW(range.ToDouble(value), boost::bad_any_cast);
    EXPECT_TRUE(os.str().empty());
    if (!value.empty()) {
      EXPECT_EQ(boost::any_cast<Humidity>(value).Value(), 12.5);
    }
  }
  // A Humidity through a Temper type, though both are two bytes.
  EXPECT_THROW(RTP<Temper>().Encode(boost::any(Humidity(1.0))), boost::bad_any_cast);
}

TEST(ValueTypes, Delay3Range_IsToldByItsClassNotByItsBytes) {
  EXPECT_TRUE(IsDelay3Range(RTTRXML<Delay3>(Delay3(0), Delay3(1), Delay3(0))));
  EXPECT_FALSE(IsDelay3Range(RTTRXML<Dy3>(Dy3(0), Dy3(1), Dy3(0))));
  EXPECT_FALSE(IsDelay3Range(RTP<Delay3>()));
  EXPECT_FALSE(IsDelay3Range(RTTRXML<Temper>(Temper(0), Temper(1), Temper(0))));
}
