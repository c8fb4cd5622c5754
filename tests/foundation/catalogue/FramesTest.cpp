// Raw frames of the shipped catalogue's parameters.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "tests/support/CatalogueFixture.h"

using namespace PardeloStravon;

namespace {

class Frames : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }

  static InstrPars Pars(std::initializer_list<const wchar_t*> keys) {
    InstrPars pars;
    for (const wchar_t* key : keys) pars.push_back(ParByKey(key));
    return pars;
  }

  // The values' texts, to compare values of any unit type.
  static std::vector<std::wstring> Texts(const InstrPars& pars, const InstrParValues& values) {
    std::vector<std::wstring> texts;
    for (std::size_t j = 0; j < pars.size(); ++j)
      texts.push_back(ValueToText(*pars[j]->ParRange(), values.at(j)));
    return texts;
  }
};

struct FrameCase {
  const char* name;
  InstrPars pars;
  InstrParValues values;
  VUC frame;
};

TEST_F(Frames, WorkedExample_EncodesAndDecodesBothWays) {
  const FrameCase cases[] = {
      {"temperature, bit, humidity, two bits",
       Pars({L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN"}),
       {Temper(20.0), true, Humidity(55.5), false, true},
       {0x02, 0xEE, 0x02, 0x2B, 0x05}},
      {"a byte first", Pars({L"ALM_MAIN", L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN"}),
       {CharOne(7), Temper(20.0), true, Humidity(55.5), false, true},
       {0x07, 0x02, 0xEE, 0x02, 0x2B, 0x05}},
      {"nine bits over two bytes",
       Pars({L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN", L"OUT_DEFROST", L"OUT_HUMID",
             L"OUT_DEHUM", L"OUT_ETH_INJ", L"OUT_VENT", L"OUT_SCRUB"}),
       {Temper(20.0), true, Humidity(55.5), false, true, false, false, false, false, false, true},
       {0x02, 0xEE, 0x02, 0x2B, 0x05, 0x01}},
      {"three-byte values and a duration",
       Pars({L"RUN_COOL", L"DEFROST_COUNT", L"DIFF_TEMP", L"DOOR_OPEN"}),
       {Delay3(86400), Dy3(16777215), TemperDiff(-0.1), true},
       {0x01, 0x51, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FrameLength(c.pars), c.frame.size());
    EXPECT_EQ(ToVUC(c.pars, c.values), c.frame);
    const InstrParValues decoded = FromVUC(c.pars, c.frame);
    EXPECT_EQ(Texts(c.pars, decoded), Texts(c.pars, c.values));
  }
}

TEST_F(Frames, SizesOfTheWorkedExample) {
  const InstrPars pars = Pars({L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN"});
  EXPECT_EQ(ParsByteSize(pars), 4u);
  EXPECT_EQ(ParsBitCount(pars), 3u);
  EXPECT_EQ(FrameLength(pars), 5u);
  EXPECT_EQ(FrameSize(pars), 5u);
}

TEST_F(Frames, SingleBit_OnlyBitZeroOfItsByteCounts) {
  const InstrPars pars = Pars({L"OUT_COOL"});
  EXPECT_EQ(ToVUC(pars, {true}), (VUC{0x01}));
  EXPECT_EQ(ToVUC(pars, {false}), (VUC{0x00}));
  InstrParValues values = DefaultValues(pars);
  FromVUC(pars, values, VUC{0x03});
  EXPECT_TRUE(boost::any_cast<bool>(values[0]));
  FromVUC(pars, values, VUC{0xFE});
  EXPECT_FALSE(boost::any_cast<bool>(values[0]));
}

TEST_F(Frames, SetBit_ExtendsTheAreaByOneByteAlsoForAFalseBit) {
  VUC bits;
  SetBit(bits, 0, false);
  EXPECT_EQ(bits, (VUC{0x00}));
  SetBit(bits, 7, true);
  SetBit(bits, 8, false);
  SetBit(bits, 9, true);
  EXPECT_EQ(bits, (VUC{0x80, 0x02}));
}

TEST_F(Frames, WrongLength_IsRefusedAndNoValueChanges) {
  const InstrPars pars = Pars({L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN"});
  const InstrParValues before = {Temper(20.0), true, Humidity(55.5), false, true};
  const VUC frames[] = {{0x02, 0xEE, 0x02, 0x2B}, {0x02, 0xEE, 0x02, 0x2B, 0x05, 0x00}, {}};
  for (const VUC& frame : frames) {
    InstrParValues values = before;
    try {
      FromVUC(pars, values, frame);
      FAIL() << "a frame of " << frame.size() << " bytes was taken";
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "In QZ::FromVUC(InstrPars& iP,const VUC& v)");
    }
    EXPECT_EQ(Texts(pars, values), Texts(pars, before));
  }
}

TEST_F(Frames, ValuesShorterThanTheList_FailOutOfRange) {
  const InstrPars pars = Pars({L"T_ROOM", L"OUT_COOL"});
  EXPECT_THROW(ToVUC(pars, {Temper(1.0)}), std::out_of_range);
  InstrParValues shorter = {Temper(1.0)};
  EXPECT_THROW(FromVUC(pars, shorter, VUC{0x02, 0xEE, 0x01}), std::out_of_range);
  EXPECT_THROW(ToVUC(pars, {Humidity(1.0), true}), boost::bad_any_cast);
}

TEST_F(Frames, EmptyList_HasEmptyFramesOnly) {
  const InstrPars none;
  EXPECT_EQ(FrameLength(none), 0u);
  EXPECT_TRUE(ToVUC(none, {}).empty());
  EXPECT_TRUE(FromVUC(none, VUC{}).empty());
  EXPECT_THROW(FromVUC(none, VUC{0x00}), std::range_error);
}

TEST_F(Frames, DefaultValues_AreTheZeroBytesNotTheTableDefaults) {
  // DIFF_TEMP's row gives the default 1; the zero value is 0.
  const InstrPars pars = Pars({L"T_ROOM", L"DIFF_TEMP", L"OUT_COOL"});
  const InstrParValues values = DefaultValues(pars);
  EXPECT_EQ(Texts(pars, values), (std::vector<std::wstring>{L"-55", L"0", L"0"}));
  EXPECT_EQ(ToVUC(pars, values), (VUC{0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(Frames, AlarmCode_IsTheFirstNonZeroAlarmValue) {
  const InstrPars alarms = Pars({L"T_ROOM", L"ALM_MAIN", L"ALM_AUX"});
  const std::pair<InstrParValues, int> cases[] = {
      {{Temper(30.0), CharOne(0), CharOne(12)}, 12},
      {{Temper(30.0), CharOne(5), CharOne(12)}, 5},
      {{Temper(30.0), CharOne(0), CharOne(0)}, 0},
  };
  for (const auto& [values, code] : cases) EXPECT_EQ(AlarmCode(alarms, values), code);
  EXPECT_EQ(AlarmCode(Pars({L"T_ROOM"}), {Temper(30.0)}), 0);
}

TEST_F(Frames, AlarmCode_OfAShippedReading_NamesItsAlarmText) {
  const Instr& rc = InstrByCode(L"RC500");
  const InstrPars readable = ReadablePars(rc.Pars());
  InstrParValues values = DefaultValues(readable);
  for (std::size_t j = 0; j < readable.size(); ++j)
    if (readable[j]->ParID() == L"ALM_AUX") values[j] = CharOne(3);
  const int code = AlarmCode(readable, values);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(rc.AlarmText(code), L"High humidity");
}

TEST_F(Frames, SetNetAddress_WritesTheAddressThroughItsType) {
  const InstrPars pars = InstrByCode(L"TC100").Pars();
  InstrParValues values = DefaultValues(pars);
  const auto before = Texts(pars, values);
  EXPECT_EQ(SetNetAddress(pars, values, 300), 1);
  auto after = Texts(pars, values);
  for (std::size_t j = 0; j < pars.size(); ++j) {
    if (pars[j]->ParIsMaNetAdd())
      EXPECT_EQ(after[j], L"44");
    else
      EXPECT_EQ(after[j], before[j]) << ToNarrow(pars[j]->ParID());
  }
  const InstrPars readable = ReadablePars(pars);
  InstrParValues readings = DefaultValues(readable);
  EXPECT_EQ(SetNetAddress(readable, readings, 5), 0);
  EXPECT_EQ(Texts(readable, readings), Texts(readable, DefaultValues(readable)));
}

TEST_F(Frames, Selections_KeepListOrderAndTheSameDefinitions) {
  const InstrPars pars = Pars({L"SP_TEMP", L"T_ROOM", L"SP_HUM", L"H_ROOM"});
  const InstrParValues values = {Temper(4.0), Temper(5.5), Humidity(90.0), Humidity(87.5)};
  EXPECT_EQ(ReadablePars(pars), (InstrPars{pars[1], pars[3]}));
  EXPECT_EQ(SettablePars(pars), (InstrPars{pars[0], pars[2]}));
  EXPECT_EQ(Texts(ReadablePars(pars), ReadableValues(pars, values)),
            (std::vector<std::wstring>{L"5.5", L"87.5"}));
  EXPECT_EQ(Texts(SettablePars(pars), SettableValues(pars, values)),
            (std::vector<std::wstring>{L"4", L"90"}));
}

// Every shipped type's frames carry their values both ways; the ripening
// controller's readings span several line blocks and a bit area of more
// than one byte.
TEST_F(Frames, ShippedTypes_FramesRoundTrip) {
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(ToNarrow(code));
    const InstrPars pars = InstrByCode(code).Pars();
    for (const InstrPars& frame : {ReadablePars(pars), SettablePars(pars)}) {
      InstrParValues values;
      for (const InstrParPure* p : frame) values.push_back(p->ParMax());
      const VUC bytes = ToVUC(frame, values);
      ASSERT_EQ(bytes.size(), FrameLength(frame));
      EXPECT_EQ(Texts(frame, FromVUC(frame, bytes)), Texts(frame, values));
    }
  }
  const InstrPars readings = ReadablePars(InstrByCode(L"RC500").Pars());
  EXPECT_GE(FrameLength(readings), 46u);
  EXPECT_GT(ParsBitCount(readings), 8u);
}

// The single-parameter decoder reads each parameter where FromVUC reads it:
// random frames, so every byte and bit position of every shipped list meets
// values other than zero and the maximum.
TEST_F(Frames, FrameParDecoder_DecodesEachParameterAsFromVUC) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(0, 255);
  for (const std::wstring& code : InstrCodes()) {
    SCOPED_TRACE(ToNarrow(code));
    const InstrPars pars = InstrByCode(code).Pars();
    for (const InstrPars& list : {ReadablePars(pars), SettablePars(pars), pars}) {
      std::vector<FrameParDecoder> decoders;
      for (std::size_t j = 0; j < list.size(); ++j) decoders.emplace_back(list, j);
      for (int round = 0; round < 50; ++round) {
        VUC frame(FrameLength(list));
        for (unsigned char& b : frame) b = static_cast<unsigned char>(byte(random));
        const InstrParValues whole = FromVUC(list, frame);
        for (std::size_t j = 0; j < list.size(); ++j) {
          const RTTRange& range = *list[j]->ParRange();
          ASSERT_EQ(ValueToText(range, decoders[j].Decode(frame)), ValueToText(range, whole[j]))
              << "parameter " << j << " of " << list.size();
          ASSERT_EQ(decoders[j].ToDouble(frame), range.ToDouble(whole[j]));
        }
      }
    }
  }
}

TEST_F(Frames, FrameParDecoder_RefusesWrongLengthsAndPositions) {
  const InstrPars pars = Pars({L"T_ROOM", L"OUT_COOL", L"H_ROOM", L"OUT_HEAT", L"OUT_FAN"});
  FrameParDecoder last(pars, pars.size() - 1);
  for (std::size_t length : {0u, 4u, 6u})
    EXPECT_THROW(last.Decode(VUC(length, 0xFF)), std::range_error) << length;
  EXPECT_EQ(last.ToDouble({0x02, 0xEE, 0x02, 0x2B, 0x05}), 1.0);
  EXPECT_THROW(FrameParDecoder(pars, pars.size()), std::out_of_range);
}

}  // namespace
