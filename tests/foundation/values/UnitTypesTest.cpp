#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "foundation/values/UnitTypes.h"
#include "foundation/values/ValueTypes.h"

using namespace PardeloStravon;

namespace {

template <class T>
VUC EncodeNumber(double v) {
  return Struct2UVector(T(v));
}

template <class T>
double DecodeBytes(const VUC& bytes) {
  T t;
  UVector2Struct(bytes, t);
  return t.Value();
}

VUC Word(unsigned w) { return VUC{static_cast<unsigned char>(w >> 8), static_cast<unsigned char>(w)}; }

}  // namespace

TEST(UnitTypes, TwoByteUnits_EncodeAndDecodeAtTheBoundaries) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    VUC (*encode)(double);
    double (*decode)(const VUC&);
    double value;
    unsigned word;
    double decoded;
  } cases[] = {
      {"Temper minimum", EncodeNumber<Temper>, DecodeBytes<Temper>, -55.0, 0x0000, -55.0},
      {"Temper half a step below rounds up", EncodeNumber<Temper>, DecodeBytes<Temper>, -55.04, 0x0000, -55.0},
      {"Temper zero", EncodeNumber<Temper>, DecodeBytes<Temper>, 0.0, 0x0226, 0.0},
      {"Temper 20", EncodeNumber<Temper>, DecodeBytes<Temper>, 20.0, 0x02EE, 20.0},
      {"Temper maximum", EncodeNumber<Temper>, DecodeBytes<Temper>, 145.0, 0x07D0, 145.0},
      {"Temper highest positive word", EncodeNumber<Temper>, DecodeBytes<Temper>, 6280.3, 0xF779, 6280.3},
      {"Temper below -55 as two's complement", EncodeNumber<Temper>, DecodeBytes<Temper>, -55.1, 0xFFFF, -55.1},
      {"Temper -55.06 is below -55.05", EncodeNumber<Temper>, DecodeBytes<Temper>, -55.06, 0xFFFF, -55.1},
      {"Temper coldest", EncodeNumber<Temper>, DecodeBytes<Temper>, -273.2, 0xF77A, -273.2},
      {"Temper colder than coldest is held there", EncodeNumber<Temper>, DecodeBytes<Temper>, -400.0, 0xF77A, -273.2},
      {"Temper top of the encoder wraps into the cold words", EncodeNumber<Temper>, DecodeBytes<Temper>, 6498.5, 0xFFFF, -55.1},
      {"Temper above the encoder wraps modulo 65536", EncodeNumber<Temper>, DecodeBytes<Temper>, 6498.55, 0x0000, -55.0},
      {"Temper no number stores the zero word", EncodeNumber<Temper>, DecodeBytes<Temper>, nan, 0x0000, -55.0},
      {"TemperDiff -0.1", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, -0.1, 0xFFFF, -0.1},
      {"TemperDiff minimum", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, -200.0, 0xF830, -200.0},
      {"TemperDiff halves go upward", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, 20.04, 0x00C8, 20.0},
      {"TemperDiff -0.04 is zero", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, -0.04, 0x0000, 0.0},
      {"TemperDiff highest", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, 3276.7, 0x7FFF, 3276.7},
      {"TemperDiff beyond decodes negative", EncodeNumber<TemperDiff>, DecodeBytes<TemperDiff>, 3276.8, 0x8000, -3276.8},
      {"HumidityDiff lowest", EncodeNumber<HumidityDiff>, DecodeBytes<HumidityDiff>, -3276.8, 0x8000, -3276.8},
      {"PressureDiff", EncodeNumber<PressureDiff>, DecodeBytes<PressureDiff>, -30.0, 0xFED4, -30.0},
      {"EthyleneDiff", EncodeNumber<EthyleneDiff>, DecodeBytes<EthyleneDiff>, 100.0, 0x03E8, 100.0},
      {"Humidity maximum", EncodeNumber<Humidity>, DecodeBytes<Humidity>, 100.0, 0x03E8, 100.0},
      {"Humidity highest", EncodeNumber<Humidity>, DecodeBytes<Humidity>, 6553.5, 0xFFFF, 6553.5},
      {"Humidity above the span wraps", EncodeNumber<Humidity>, DecodeBytes<Humidity>, 6553.55, 0x0000, 0.0},
      {"Humidity -0.04 is zero", EncodeNumber<Humidity>, DecodeBytes<Humidity>, -0.04, 0x0000, 0.0},
      {"Humidity below zero is held at zero", EncodeNumber<Humidity>, DecodeBytes<Humidity>, -5.0, 0x0000, 0.0},
      {"Pressure below zero is held at zero", EncodeNumber<Pressure>, DecodeBytes<Pressure>, -0.06, 0x0000, 0.0},
      {"Pressure maximum", EncodeNumber<Pressure>, DecodeBytes<Pressure>, 30.0, 0x012C, 30.0},
      {"Ethylene", EncodeNumber<Ethylene>, DecodeBytes<Ethylene>, 55.5, 0x022B, 55.5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.encode(c.value), Word(c.word)) << c.what;
    EXPECT_NEAR(c.decode(Word(c.word)), c.decoded, 1e-9) << c.what;
  }
}

TEST(UnitTypes, TemperColdWords_AreNotBroughtBackToTheStep) {
  // The two's complement reading keeps the error of the subtraction.
  EXPECT_EQ(DecodeBytes<Temper>(Word(0xFFFF)), -55.100000000000364);
}

TEST(UnitTypes, DefaultUnits_AreAllZeroBytes) {
  EXPECT_EQ(Struct2UVector(Temper()), Word(0));
  EXPECT_EQ(Temper().Value(), -55.0);
  EXPECT_EQ(TemperDiff().Value(), 0.0);
  EXPECT_EQ(Humidity().Value(), 0.0);
  EXPECT_EQ(Struct2UVector(Delay3()), (VUC{0, 0, 0}));
  EXPECT_EQ(Dy3().Value(), 0);
  EXPECT_EQ(CharOne().Value(), 0u);
}

TEST(UnitTypes, ThreeByteUnits_HoldTheLow24BitsOfTheirInt) {
  const struct {
    int n;
    VUC bytes;
    int value;
  } cases[] = {
      {0, {0x00, 0x00, 0x00}, 0},
      {86400, {0x01, 0x51, 0x80}, 86400},
      {16777215, {0xFF, 0xFF, 0xFF}, 16777215},
      {16777216, {0x00, 0x00, 0x00}, 0},
      {16777217, {0x00, 0x00, 0x01}, 1},
      {-1, {0xFF, 0xFF, 0xFF}, 16777215},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Struct2UVector(Delay3(c.n)), c.bytes) << c.n;
    EXPECT_EQ(Delay3(c.n).Value(), c.value) << c.n;
    EXPECT_EQ(Struct2UVector(Dy3(c.n)), c.bytes) << c.n;
  }
  EXPECT_EQ(CharOne(0xFE).Value(), 254u);
}

TEST(UnitTypes, Extraction_EncodesTheNumberOrKeepsTheUnit) {
  Pressure p(12.5);
  std::wistringstream letters(L"abc");
  letters >> p;
  EXPECT_TRUE(letters.fail());
  EXPECT_EQ(p.Value(), 12.5);

  std::wistringstream number(L" 7.25xyz");
  number >> p;
  EXPECT_FALSE(number.fail());
  EXPECT_EQ(Struct2UVector(p), Word(73));
  wchar_t rest = 0;
  number >> rest;
  EXPECT_EQ(rest, L'x') << "reading stops at the first character that cannot continue the number";

  CharOne c(7);
  std::wistringstream big(L"300");
  big >> c;
  EXPECT_EQ(c.Value(), 44u);

  Delay3 d(5);
  std::wistringstream tooBig(L"99999999999");
  tooBig >> d;
  EXPECT_TRUE(tooBig.fail());
  EXPECT_EQ(d.Value(), 5) << "an int that overflows is no int";
}

TEST(UnitTypes, TypeCodes_AreSpelledExactly) {
  const struct {
    const std::wstring& code;
    const wchar_t* text;
  } cases[] = {
      {TypeCodeTemper, L"Tper"},     {TypeCodeTemperDiff, L"TperD"},   {TypeCodeHumidity, L"Hmty"},
      {TypeCodeHumidityDiff, L"HmtyD"}, {TypeCodePressure, L"Prsr"},   {TypeCodePressureDiff, L"PrsrD"},
      {TypeCodeEthylene, L"Ethyl"},  {TypeCodeEthyleneDiff, L"EthylD"}, {TypeCodeDelay3, L"Del3"},
      {TypeCodeDy3, L"Dy3"},         {TypeCodeCharOne, L"UChr"},        {TypeCodeBit, L"Bit"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.code, c.text);
  EXPECT_NE(TypeCodeTemper, L"tper");
}

TEST(UnitTypes, DifferenceBounds_SpanTheQuantityBothWays) {
  EXPECT_EQ(TemperDiffMin, -200);
  EXPECT_EQ(TemperDiffMax, 200);
  EXPECT_EQ(HumidityDiffMin, -100);
  EXPECT_EQ(PressureDiffMax, 30);
  EXPECT_EQ(EthyleneDiffMin, -100);
}

// Every 16-bit word, and every tenth of each type's span.
template <class T>
struct WordSpan;
template <>
struct WordSpan<Temper> {
  static constexpr long First = -2182, Last = 63353;
  static double At(long k) { return TemperMin + k / 10.0; }
};
template <class T>
  requires std::derived_from<T, UnsignedTenths>
struct WordSpan<T> {
  static constexpr long First = 0, Last = 65535;
  static double At(long k) { return k / 10.0; }
};
template <class T>
  requires std::derived_from<T, SignedTenths>
struct WordSpan<T> {
  static constexpr long First = -32768, Last = 32767;
  static double At(long k) { return k / 10.0; }
};

template <class T>
class TwoByteUnit : public ::testing::Test {};
using TwoByteUnits = ::testing::Types<Temper, TemperDiff, Humidity, HumidityDiff, Pressure,
                                      PressureDiff, Ethylene, EthyleneDiff>;
TYPED_TEST_SUITE(TwoByteUnit, TwoByteUnits);

TYPED_TEST(TwoByteUnit, DecodeThenEncode_GivesEveryWordBack) {
  int wrong = 0;
  for (unsigned w = 0; w <= 0xFFFF; ++w) {
    TypeParam t;
    UVector2Struct(Word(w), t);
    if (Struct2UVector(TypeParam(t.Value())) != Word(w) && ++wrong <= 5) ADD_FAILURE() << "word " << w;
  }
  EXPECT_EQ(wrong, 0);
}

TYPED_TEST(TwoByteUnit, EncodeThenDecode_GivesTheValueToTheStep) {
  using Span = WordSpan<TypeParam>;
  int wrong = 0;
  for (long k = Span::First; k <= Span::Last; ++k) {
    const double v = Span::At(k);
    // Anything closer than half a step to the tenth lands on it.
    for (double off : {0.0, 0.049, -0.049}) {
      if (std::abs(TypeParam(v + off).Value() - v) > 1e-6 && ++wrong <= 5)
        ADD_FAILURE() << v << " + " << off << " gave " << TypeParam(v + off).Value();
    }
  }
  EXPECT_EQ(wrong, 0);
}
