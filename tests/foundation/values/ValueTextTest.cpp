#include <gtest/gtest.h>

#include <locale>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "tests/foundation/values/TestRange.h"

using namespace PardeloStravon;
using TestSupport::Range;

TEST(ValueText, TextOfAValue_HasSixSignificantDigitsAndNoAlphabeticBool) {
  const struct {
    std::shared_ptr<RTTRange> range;
    boost::any value;
    const wchar_t* text;
  } cases[] = {
      {Range(Temper(-55), Temper(145), Temper(-55)), Temper(), L"-55"},
      {Range(Humidity(0), Humidity(100), Humidity(0)), Humidity(), L"0"},
      {Range(false, true, false), true, L"1"},
      {Range(false, true, false), false, L"0"},
      {Range(Temper(-55), Temper(145), Temper(-55)), Temper(23.4), L"23.4"},
      {Range(Temper(-55), Temper(145), Temper(-55)), Temper(-55.1), L"-55.1"},
      {Range(Humidity(0), Humidity(100), Humidity(0)), Humidity(6553.5), L"6553.5"},
      {Range(TemperDiff(-200), TemperDiff(200), TemperDiff(0)), TemperDiff(-0.1), L"-0.1"},
      {Range(Delay3(0), Delay3(16777215), Delay3(0)), Delay3(16777215), L"16777215"},
      {Range(CharOne(0), CharOne(255), CharOne(0)), CharOne(255), L"255"},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueToText(*c.range, c.value), c.text) << ToNarrow(c.text);
}

TEST(ValueText, TextToValue_ReadsTheLeadingNumberAndWrapsAsTheUnitDoes) {
  const struct {
    const char* what;
    std::shared_ptr<RTTRange> range;
    boost::any before;
    const wchar_t* text;
    bool read;
    VUC after;
  } cases[] = {
      {"CharOne keeps the low 8 bits", Range(CharOne(0), CharOne(255), CharOne(0)), CharOne(1), L"300", true, {44}},
      {"alphabetic bool is no value", Range(false, true, false), false, L"true", false, {0}},
      {"bool 1", Range(false, true, false), false, L"1", true, {1}},
      {"bool other than 0 or 1 is no value", Range(false, true, false), true, L"2", false, {1}},
      {"Temper to the tenth", Range(Temper(-55), Temper(145), Temper(-55)), Temper(), L"12.34", true, {0x02, 0xA1}},
      {"Dy3 wraps modulo 2^24", Range(Dy3(0), Dy3(16777215), Dy3(0)), Dy3(5), L"16777216", true, {0, 0, 0}},
      {"text after the number is ignored", Range(Pressure(0), Pressure(30), Pressure(0)), Pressure(12.5), L" 7.25 bar", true, {0x00, 0x49}},
      {"letters keep the value", Range(Pressure(0), Pressure(30), Pressure(0)), Pressure(12.5), L"abc", false, {0x00, 0x7D}},
      {"empty text keeps the value", Range(Temper(-55), Temper(145), Temper(-55)), Temper(20.0), L"", false, {0x02, 0xEE}},
      {"int overflow keeps the value", Range(Delay3(0), Delay3(16777215), Delay3(0)), Delay3(86400), L"99999999999", false, {0x01, 0x51, 0x80}},
      {"a duration is not read without the flag", Range(Delay3(0), Delay3(16777215), Delay3(0)), Delay3(0), L"1 0:00:00", true, {0, 0, 1}},
  };
  for (auto c : cases) {
    EXPECT_EQ(TextToValue(*c.range, c.text, c.before), c.read) << c.what;
    EXPECT_EQ(c.range->Encode(c.before), c.after) << c.what;
  }
}

TEST(ValueText, DurationForms_ApplyOnlyToDelay3RangesWithTheFlag) {
  const std::wstring oneDay = DurationToText(86400);
  const auto delay = Range(Delay3(0), Delay3(16777215), Delay3(0));
  const auto dy3 = Range(Dy3(0), Dy3(16777215), Dy3(0));
  const RTP<Delay3> bareDelay;

  EXPECT_EQ(ValueToTextFmt(*delay, Delay3(86400), false), L"86400");
  EXPECT_EQ(ValueToTextFmt(*delay, Delay3(86400), true), oneDay);
  EXPECT_EQ(ValueToTextFmt(*dy3, Dy3(86400), true), L"86400");
  EXPECT_EQ(ValueToTextFmt(bareDelay, Delay3(86400), true), L"86400");

  boost::any value = Delay3(0);
  EXPECT_TRUE(TextToValueFmt(*delay, oneDay, value, true));
  EXPECT_EQ(delay->Encode(value), (VUC{0x01, 0x51, 0x80}));
  // Beyond three bytes the duration is held at the largest one.
  EXPECT_TRUE(TextToValueFmt(*delay, L"200 0:00:00", value, true));
  EXPECT_EQ(delay->Encode(value), (VUC{0xFF, 0xFF, 0xFF}));

  boost::any number = Dy3(7);
  EXPECT_TRUE(TextToValueFmt(*dy3, oneDay, number, true));
  EXPECT_EQ(boost::any_cast<Dy3>(number).Value(), 1) << "a Dy3 reads the leading number only";
}

namespace {

// Decimal comma and grouped thousands, as many desktop locales have.
struct CommaPunct : std::numpunct<wchar_t> {
  wchar_t do_decimal_point() const override { return L','; }
  wchar_t do_thousands_sep() const override { return L'.'; }
  std::string do_grouping() const override { return "\3"; }
};

class GlobalLocale {
 public:
  explicit GlobalLocale(const std::locale& loc) : old_(std::locale::global(loc)) {}
  ~GlobalLocale() { std::locale::global(old_); }

 private:
  std::locale old_;
};

}  // namespace

TEST(ValueText, NumberText_IsClassicWhateverTheLocale) {
  const std::locale comma(std::locale::classic(), new CommaPunct);
  const GlobalLocale global(comma);
  const auto range = Range(Humidity(0), Humidity(100), Humidity(0));
  const auto delay = Range(Delay3(0), Delay3(16777215), Delay3(0));

  EXPECT_EQ(ValueToText(*range, Humidity(1234.5)), L"1234.5");
  EXPECT_EQ(ValueToText(*delay, Delay3(1234567)), L"1234567");
  boost::any value = Humidity();
  EXPECT_TRUE(TextToValue(*range, L"1234.5", value));
  EXPECT_EQ(boost::any_cast<Humidity>(value).Value(), 1234.5);

  // A caller's stream that carries the locale gets the classic text too.
  std::wostringstream os;
  os.imbue(comma);
  range->Print(os, Humidity(1234.5));
  EXPECT_EQ(os.str(), L"1234.5");
  std::wistringstream is(L"4321.5");
  is.imbue(comma);
  range->Read(is, value);
  EXPECT_EQ(boost::any_cast<Humidity>(value).Value(), 4321.5);
}

// Every stored value of each unit prints to a text that reads back to the
// same bytes.
template <class T>
struct Samples {
  static std::vector<VUC> All() {
    std::vector<VUC> out;
    if constexpr (sizeof(T) == 2) {
      for (unsigned w = 0; w <= 0xFFFF; ++w)
        out.push_back({static_cast<unsigned char>(w >> 8), static_cast<unsigned char>(w)});
    } else if constexpr (sizeof(T) == 3) {
      for (unsigned n : {0u, 1u, 59u, 86400u, 65535u, 65536u, 8388608u, 16777215u})
        out.push_back({static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 8),
                       static_cast<unsigned char>(n)});
    } else {
      const unsigned top = std::is_same_v<T, bool> ? 1 : 255;
      for (unsigned b = 0; b <= top; ++b) out.push_back({static_cast<unsigned char>(b)});
    }
    return out;
  }
};

template <class T>
class EveryUnit : public ::testing::Test {};
using AllUnits = ::testing::Types<Temper, TemperDiff, Humidity, HumidityDiff, Pressure, PressureDiff,
                                  Ethylene, EthyleneDiff, Delay3, Dy3, CharOne, bool>;
TYPED_TEST_SUITE(EveryUnit, AllUnits);

TYPED_TEST(EveryUnit, PrintThenRead_GivesTheSameBytes) {
  const RTP<TypeParam> type;
  std::wostringstream os;
  os.imbue(std::locale::classic());
  int wrong = 0;
  for (const VUC& bytes : Samples<TypeParam>::All()) {
    boost::any value = type.DefaultValue();
    type.Decode(bytes, value);
    os.str(L"");
    type.Print(os, value);
    // Read into a value that differs from the printed one.
    boost::any back = type.DefaultValue();
    type.Decode(VUC(bytes.size(), 0x5A), back);
    std::wistringstream is(os.str());
    type.Read(is, back);
    if ((is.fail() || type.Encode(back) != bytes) && ++wrong <= 5)
      ADD_FAILURE() << "text " << ToNarrow(os.str());
  }
  EXPECT_EQ(wrong, 0);
}

TYPED_TEST(EveryUnit, TextThatIsNoNumber_LeavesTheValueAndFailsTheStream) {
  const RTP<TypeParam> type;
  for (const wchar_t* text : {L"abc", L"", L" ", L"-", L"true", L".e"}) {
    boost::any value = type.DefaultValue();
    const VUC ones(type.ByteSize() + (type.BitCount() + 7) / 8, 0x01);
    type.Decode(ones, value);
    std::wistringstream is(text);
    type.Read(is, value);
    EXPECT_TRUE(is.fail()) << ToNarrow(text);
    EXPECT_EQ(type.Encode(value), ones) << ToNarrow(text);
  }
}

TEST(ValueText, WholeValue_IsExactlyOneValueTheTypeHoldsAsWritten) {
  const auto temper = Range(Temper(-55), Temper(145), Temper(-55));
  const auto humidity = Range(Humidity(0), Humidity(100), Humidity(0));
  const auto diff = Range(TemperDiff(-200), TemperDiff(200), TemperDiff(0));
  const auto delay = Range(Delay3(0), Delay3(16777215), Delay3(0));
  const auto dy3 = Range(Dy3(0), Dy3(16777215), Dy3(0));
  const auto byte = Range(CharOne(0), CharOne(255), CharOne(0));
  const auto bit = Range(false, true, false);
  const struct {
    std::shared_ptr<RTTRange> range;
    const wchar_t* text;
    bool read;
    VUC after;  // the value before is the default: all bytes zero
  } cases[] = {
      {temper, L"999", true, {0x29, 0x2C}},  // within the type; the range is another rule
      {temper, L"-12.5", true, {0x01, 0xA9}},
      {temper, L"23.45", true, {0x03, 0x11}},  // rounded to the tenth
      {temper, L"1e2", true, {0x06, 0x0E}},
      {temper, L"1e9", false, {0, 0}},      // wraps in two bytes
      {temper, L"-300", false, {0, 0}},     // held at the coldest
      {temper, L"7000", false, {0, 0}},     // wraps
      {temper, L"20 ", false, {0, 0}},
      {temper, L" 20", false, {0, 0}},
      {temper, L"20C", false, {0, 0}},
      {temper, L"nan", false, {0, 0}},
      {temper, L"inf", false, {0, 0}},
      {temper, L"", false, {0, 0}},
      {humidity, L"55.5", true, {0x02, 0x2B}},
      {humidity, L"-1", false, {0, 0}},  // stored as 0
      {humidity, L"-0", false, {0, 0}},  // no sign on an unsigned type
      {humidity, L"+5", false, {0, 0}},
      {humidity, L"6553.5", true, {0xFF, 0xFF}},
      {humidity, L"6553.6", false, {0, 0}},
      {diff, L"-0.5", true, {0xFF, 0xFB}},
      {diff, L"+0.5", true, {0x00, 0x05}},
      {diff, L"3276.8", false, {0, 0}},
      {delay, L"16777215", true, {0xFF, 0xFF, 0xFF}},
      {delay, L"16777216", false, {0, 0, 0}},
      {delay, L"-1", false, {0, 0, 0}},  // would be 16777215
      {delay, L"1e9", false, {0, 0, 0}},  // would be 1
      {delay, L"1.5", false, {0, 0, 0}},
      {delay, L"0x10", false, {0, 0, 0}},
      {delay, L"99999999999", false, {0, 0, 0}},
      {delay, L"1 0:00:00", false, {0, 0, 0}},
      {dy3, L"007", true, {0, 0, 7}},
      {dy3, L"+7", false, {0, 0, 0}},
      {byte, L"255", true, {0xFF}},
      {byte, L"256", false, {0}},
      {byte, L"300", false, {0}},  // would be 44
      {byte, L"-1", false, {0}},
      {bit, L"1", true, {1}},
      {bit, L"0", true, {0}},
      {bit, L"2", false, {0}},
      {bit, L"1.0", false, {0}},
      {bit, L"true", false, {0}},
      {bit, L"-1", false, {0}},
  };
  for (const auto& c : cases) {
    boost::any value = c.range->DefaultValue();
    EXPECT_EQ(TextToWholeValue(*c.range, c.text, value), c.read) << ToNarrow(c.text);
    EXPECT_EQ(c.range->Encode(value), c.after) << ToNarrow(c.text);
  }
}
