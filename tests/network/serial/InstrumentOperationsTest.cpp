#include <gtest/gtest.h>

#include <functional>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/values/ValueText.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/MemoryTransactions.h"
#include "tests/support/LineFixture.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using SerComm::atNotice;
using SerComm::atProgress;
using SerComm::atReply;
using Simulator::Fault;
using Simulator::InstrumentSimulator;

namespace {

// Minimum and maximum in turn, so that no value is the all-zero default.
InstrParValues Distinct(const InstrPars& pars) {
  InstrParValues values;
  for (std::size_t i = 0; i < pars.size(); ++i)
    values.push_back(i % 2 ? pars[i]->ParMax() : pars[i]->ParMin());
  return values;
}

std::vector<std::wstring> Texts(const InstrPars& pars, const InstrParValues& values) {
  std::vector<std::wstring> texts;
  for (std::size_t i = 0; i < pars.size(); ++i)
    texts.push_back(ValueToText(*pars[i]->ParRange(), values.at(i)));
  return texts;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class InstrumentOperationsTest : public NetworkTest::LineFixture {
 protected:
  InstrumentOperationsTest() = default;
  InstrumentOperationsTest(const Simulator::Options& options, const SerComm::LineTimings& timings)
      : LineFixture(options, timings) {}
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }

  // The ripening-room controller: 60 bytes of readings, 50 of settings.
  const InstrPars pars_ = InstrByCode(L"RC500").Pars();
  const InstrPars readable_ = ReadablePars(pars_);
  const InstrPars settable_ = SettablePars(pars_);
  const InstrParValues held_ = Distinct(pars_);
};

}  // namespace

TEST_F(InstrumentOperationsTest, Readings_DecodeToTheValuesTheInstrumentHolds) {
  sim_.SetInstrument(5, pars_, held_);
  InstrParValues got = DefaultValues(readable_);
  ASSERT_TRUE(ReceiveReadings(5, readable_, got, rec_.Sink()));
  EXPECT_EQ(Texts(readable_, got), Texts(readable_, ReadableValues(pars_, held_)));
  EXPECT_EQ(sim_.Requests(5, SerComm::cmdReadReadings), 4);

  const auto& t = rec_.Texts();
  EXPECT_EQ(t.front().first, atProgress);
  EXPECT_EQ(t.front().second.front(), L'\n');
  EXPECT_TRUE(EndsWith(t.front().second, L" Going to receive readings for instrument nr. 5 ...\n"));
  EXPECT_EQ(t.back().first, atNotice);
  EXPECT_TRUE(EndsWith(t.back().second, L" Reading reception for instrument nr. 5 completed ok\n"));
  EXPECT_NE(t.back().second.front(), L'\n');
}

TEST_F(InstrumentOperationsTest, Settings_SentAndReceivedBack_AreTheValuesGiven) {
  sim_.SetInstrument(5, pars_, DefaultValues(pars_));
  const InstrParValues wanted = SettableValues(pars_, held_);
  ASSERT_TRUE(SendSettings(5, settable_, wanted, rec_.Sink()));
  EXPECT_EQ(Texts(settable_, sim_.SettingsValues(5, pars_)), Texts(settable_, wanted));
  EXPECT_TRUE(
      EndsWith(rec_.Texts().front().second, L" Going to send settings for instrument nr. 5 ...\n"));
  EXPECT_EQ(rec_.Texts().back().first, atProgress);
  EXPECT_TRUE(EndsWith(rec_.Texts().back().second,
                       L" Setting sending for instrument nr. 5 completed ok\n"));

  rec_.Clear();
  InstrParValues got = DefaultValues(settable_);
  ASSERT_TRUE(ReceiveSettings(5, settable_, got, rec_.Sink()));
  EXPECT_EQ(Texts(settable_, got), Texts(settable_, wanted));
  EXPECT_TRUE(EndsWith(rec_.Texts().front().second,
                       L" Going to receive settings for instrument nr. 5 ...\n"));
  EXPECT_EQ(rec_.Texts().back().first, atProgress);
  EXPECT_TRUE(EndsWith(rec_.Texts().back().second,
                       L" Setting reception for instrument nr. 5 completed ok\n"));
}

TEST_F(InstrumentOperationsTest, SilentInstrument_FailsEveryOperationAndLeavesTheValues) {
  sim_.SetInstrument(5, pars_, held_);
  sim_.ArmFault(Fault::silence, InstrumentSimulator::forever);
  const struct {
    const char* name;
    std::function<bool(InstrParValues&)> run;
    const InstrPars& pars;
    int silentAttempts;
    SerComm::ActionType resultKind;
    const wchar_t* result;
  } cases[] = {
      {"readings", [&](InstrParValues& v) { return ReceiveReadings(5, readable_, v, rec_.Sink()); },
       readable_, 3, atNotice, L" Reading reception for instrument nr. 5 failed ko\n"},
      {"settings", [&](InstrParValues& v) { return ReceiveSettings(5, settable_, v, rec_.Sink()); },
       settable_, 3, atProgress, L" Setting reception for instrument nr. 5 failed ko\n"},
      {"send", [&](InstrParValues& v) { return SendSettings(5, settable_, v, rec_.Sink()); },
       settable_, 6, atProgress, L" Setting sending for instrument nr. 5 failed ko\n"},
  };
  for (const auto& c : cases) {
    rec_.Clear();
    InstrParValues values = Distinct(c.pars);
    EXPECT_FALSE(c.run(values)) << c.name;
    EXPECT_EQ(Texts(c.pars, values), Texts(c.pars, Distinct(c.pars))) << c.name;
    EXPECT_EQ(rec_.Count(atReply, L" not received\n"), c.silentAttempts) << c.name;
    EXPECT_EQ(rec_.Texts().back().first, c.resultKind) << c.name;
    EXPECT_TRUE(EndsWith(rec_.Texts().back().second, c.result)) << c.name;
  }
}

TEST_F(InstrumentOperationsTest, EmptyParameterList_OpensAndClosesThePortAndSucceeds) {
  InstrParValues none;
  EXPECT_TRUE(ReceiveReadings(5, InstrPars(), none, rec_.Sink()));
  EXPECT_EQ(sim_.RawInput(), "");
  EXPECT_EQ(rec_.Count(atProgress, L"handle closure ok.\n"), 1);
}

namespace {

// The line's own timings and a simulator paced like a 9600-baud line.
class RealTimingTest : public InstrumentOperationsTest {
 protected:
  static Simulator::Options Paced() {
    Simulator::Options o;
    o.paced = true;
    return o;
  }
  RealTimingTest() : InstrumentOperationsTest(Paced(), SerComm::LineTimings()) {}
};

}  // namespace

TEST_F(RealTimingTest, ShortReadingsFrame_IsReadWholeAtTheLinesOwnTimings) {
  // The cold-room controller's 9 bytes: one block whose answer ends by the
  // 1000 ms gap rule.
  const InstrPars pars = InstrByCode(L"TC100").Pars();
  const InstrPars readable = ReadablePars(pars);
  sim_.SetInstrument(5, pars, Distinct(pars));
  InstrParValues got = DefaultValues(readable);
  ASSERT_TRUE(ReceiveReadings(5, readable, got, nullptr));
  EXPECT_EQ(Texts(readable, got), Texts(readable, ReadableValues(pars, Distinct(pars))));
}
