// The settings form's requests against simulated instruments, run by the
// document's own executor: what reaches the node, the instrument and the
// document signal, and what a completion does when its node went away.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "network/schedule/PeriodicActions.h"
#include "tests/support/RunningDocument.h"
#include "views/form/FormJobs.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

constexpr int Address = 7;

enum class Request { readings, settings, send };

struct Reply {
  int address;
  DocSignal signal;
  bool ok;
  std::size_t signalsBefore;  // signals recorded when the reply came
};

class FormJobs : public RunningDocument {
 public:
  FormJobs() {
    MakeNetwork();
    // Only the form's requests talk to the instruments.
    Net().SetRxEnabled(false);
  }

  Node& TheNode() { return Net().Network().GetPresent(Address); }
  InstrPars Pars() { return TheNode().Type().Pars(); }

  JobReply Recorder() {
    return [this](int address, DocSignal signal, bool ok) {
      replies_.push_back({address, signal, ok, signals_.size()});
    };
  }

  // Settings as a user would send them: the instrument's own, with the
  // set point changed and a wrong address in the address parameter.
  InstrParValues EditedSettings() {
    const InstrPars settable = SettablePars(Pars());
    InstrParValues settings = FromVUC(settable, sim_.SettingsFrame(Address));
    for (std::size_t i = 0; i < settable.size(); ++i) {
      const wchar_t* text = settable[i]->ParID() == L"SP_TEMP" ? L"12.5"
                            : settable[i]->ParIsMaNetAdd()   ? L"99"
                                                             : nullptr;
      if (text) {
        EXPECT_TRUE(TextToValue(*settable[i]->ParRange(), text, settings[i]));
      }
    }
    return settings;
  }

  void Push(Request request, const InstrParValues& settings = {}) {
    switch (request) {
      case Request::readings: return PushReceiveReadings(Std(), Address, Recorder());
      case Request::settings: return PushReceiveSettings(Std(), Address, Recorder());
      case Request::send: return PushSendSettings(Std(), Address, settings, Recorder());
    }
  }

  std::vector<Reply> replies_;
};

struct RequestCase {
  const char* name;
  Request request;
  bool silent;
  DocSignal expected;
};

void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class FormJobsLine : public FormJobs, public testing::WithParamInterface<RequestCase> {};

TEST_P(FormJobsLine, RequestStoresOnlyOnSuccessAndSignalsItsOutcome) {
  const RequestCase& c = GetParam();
  AddInstrument(Address, L"TC100");
  AddInstrument(Address + 1, L"TC100");  // a neighbour nobody asks
  const NodeSt stateBefore = TheNode().State();
  const InstrParValues valuesBefore = TheNode().Values();
  const VUC instrumentSettings = sim_.SettingsFrame(Address);
  const InstrParValues sent = c.request == Request::send ? EditedSettings() : InstrParValues();
  if (c.silent) sim_.ArmFault(Simulator::Fault::silence, Simulator::InstrumentSimulator::forever);
  Std().StartThreads();

  Push(c.request, sent);
  ASSERT_TRUE(RunGuiUntil([&] { return !replies_.empty(); })) << ToUtf8(errors_.Text());
  RunGuiFor(std::chrono::milliseconds(300));

  // One outcome, signalled before the one who asked hears of it.
  ASSERT_EQ(replies_.size(), 1u);
  EXPECT_EQ(replies_[0].address, Address);
  EXPECT_EQ(replies_[0].signal, c.expected);
  EXPECT_EQ(replies_[0].ok, !c.silent);
  EXPECT_EQ(Count(Address, c.expected), 1);
  EXPECT_GE(replies_[0].signalsBefore, 1u);
  EXPECT_EQ(signals_.at(replies_[0].signalsBefore - 1).signal, c.expected);
  for (const Signal& s : signals_) EXPECT_NE(s.address, Address + 1);

  const InstrPars readable = ReadablePars(Pars());
  const InstrPars settable = SettablePars(Pars());
  Node& node = TheNode();
  if (c.silent) {
    EXPECT_FALSE(node.HasReadings());
    EXPECT_FALSE(node.HasSettings());
    EXPECT_EQ(ToVUC(Pars(), node.Values()), ToVUC(Pars(), valuesBefore));
    EXPECT_EQ(sim_.SettingsFrame(Address), instrumentSettings);
  } else if (c.request == Request::readings) {
    EXPECT_TRUE(node.HasReadings());
    EXPECT_FALSE(node.HasSettings());
    EXPECT_EQ(ToVUC(readable, ReadableValues(Pars(), node.Values())), sim_.ReadingsFrame(Address));
  } else if (c.request == Request::settings) {
    EXPECT_FALSE(node.HasReadings());
    EXPECT_TRUE(node.HasSettings());
    EXPECT_EQ(ToVUC(settable, SettableValues(Pars(), node.Values())), instrumentSettings);
  } else {
    // The instrument and the node hold what was sent, with the
    // instrument's own address in place of the one typed.
    InstrParValues expected = sent;
    EXPECT_EQ(SetNetAddress(settable, expected, Address), 1);
    EXPECT_NE(ToVUC(settable, expected), ToVUC(settable, sent));
    EXPECT_EQ(sim_.SettingsFrame(Address), ToVUC(settable, expected));
    EXPECT_EQ(sim_.CompletedWrites(Address), 1);
    EXPECT_TRUE(node.HasSettings());
    EXPECT_EQ(ToVUC(settable, SettableValues(Pars(), node.Values())), ToVUC(settable, expected));
  }
  // A request is no part of the schedule, the link or the recording.
  const NodeSt state = node.State();
  EXPECT_EQ(state.link_, stateBefore.link_);
  EXPECT_EQ(state.linkDeadline_, stateBefore.linkDeadline_);
  for (auto due : {&NodeSt::xn_, &NodeSt::yn_, &NodeSt::gn_, &NodeSt::hn_})
    EXPECT_EQ(long(state.*due), long(stateBefore.*due));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("QZ_Master_Log_0007.txt")));
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

const RequestCase requestCases[] = {
    {"ReceiveReadings", Request::readings, false, dsRxOk},
    {"ReceiveReadingsSilent", Request::readings, true, dsRxKo},
    {"ReceiveSettings", Request::settings, false, dsRyOk},
    {"ReceiveSettingsSilent", Request::settings, true, dsRyKo},
    {"SendSettings", Request::send, false, dsTyOk},
    {"SendSettingsSilent", Request::send, true, dsTyKo},
};

INSTANTIATE_TEST_SUITE_P(Requests, FormJobsLine, testing::ValuesIn(requestCases),
                         [](const testing::TestParamInfo<RequestCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FormJobs, JobForAnAbsentInstrumentIsLoggedByTheExecutorAndPostsNothing) {
  PlaceInstrument(Address, L"TC100");  // on the line, not in the network
  Std().StartThreads();
  PushReceiveReadings(Std(), Address, Recorder());
  ASSERT_TRUE(RunGuiUntil([&] { return errors_.Count(L"Error in SerialThread(LPVOID pParam)") > 0; }));
  RunGuiFor(std::chrono::milliseconds(300));
  EXPECT_TRUE(replies_.empty());
  EXPECT_EQ(Count(Address, dsRxOk) + Count(Address, dsRxKo), 0);
  EXPECT_EQ(sim_.Requests(Address), 0);
}

TEST_F(FormJobs, ExchangeTextsReachTheSerialTraceWhileTroubleshooting) {
  AddInstrument(Address, L"TC100");
  Net().SetTroubleshootSerial(true);
  const int linesBefore = Std().TraceLineCount();
  Std().StartThreads();
  PushReceiveSettings(Std(), Address, Recorder());
  ASSERT_TRUE(RunGuiUntil([&] { return !replies_.empty(); }));
  RunGuiFor(std::chrono::milliseconds(300));
  EXPECT_GT(Std().TraceLineCount(), linesBefore + 1);
  EXPECT_GT(Count(0, dsTraceText) + Count(0, dsTraceLine), 0);
}

// What happens to the node at the address between the job and its
// completion.
enum class Meanwhile { nothing, erased, sameTypeAgain, otherTypeAgain };

struct CompletionCase {
  const char* name;
  Meanwhile meanwhile;
  bool stores;
};

void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }

class FormJobsCompletion : public FormJobs, public testing::WithParamInterface<CompletionCase> {
 public:
  void Change(Meanwhile m) {
    InstrNet& net = Net().Network();
    if (m == Meanwhile::nothing) return;
    net.ErasePresent(Address);
    if (m == Meanwhile::sameTypeAgain) net.InsertNew(Address, FastNode(L"TC100"));
    if (m == Meanwhile::otherTypeAgain) net.InsertNew(Address, FastNode(L"TH200"));
  }
};

TEST_P(FormJobsCompletion, CompletionStoresAndSignalsOnlyForTheNodeItWasStartedFor) {
  const CompletionCase& c = GetParam();
  typedef void (*Completion)(const NodeRef&, const ConnFun&, const InstrParValues&, bool,
                             const JobReply&);
  struct Kind {
    Completion complete;
    bool readings;
    DocSignal ok;
  };
  const Kind kinds[] = {{ReadingsReceived, true, dsRxOk},
                        {SettingsReceived, false, dsRyOk},
                        {SettingsSent, false, dsTyOk}};
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.ok);
    Net().Network().EraseIfPresent(Address);
    Net().Network().InsertNew(Address, FastNode(L"TC100"));
    const InstrPars all = TheNode().Type().Pars();
    const InstrParValues values =
        DefaultValues(k.readings ? ReadablePars(all) : SettablePars(all));
    const NodeRef ref = RefOf(Net().Network(), Address, TheNode());
    Change(c.meanwhile);
    signals_.clear();
    replies_.clear();

    k.complete(ref, MakeConnFun(Std()), values, true, Recorder());

    const bool present = Net().Network().IsPresent(Address);
    EXPECT_EQ(present, c.meanwhile != Meanwhile::erased);
    if (present) {
      EXPECT_EQ(TheNode().HasReadings(), c.stores && k.readings);
      EXPECT_EQ(TheNode().HasSettings(), c.stores && !k.readings);
    }
    EXPECT_EQ(signals_.size(), c.stores ? 1u : 0u);
    EXPECT_EQ(Count(Address, k.ok), c.stores ? 1 : 0);
    EXPECT_EQ(replies_.size(), c.stores ? 1u : 0u);
  }
}

const CompletionCase completionCases[] = {
    {"NodeStillThere", Meanwhile::nothing, true},
    {"NodeErased", Meanwhile::erased, false},
    {"NodeErasedAndAddedAgainOfTheSameType", Meanwhile::sameTypeAgain, false},
    {"NodeErasedAndAddedAgainOfAnotherType", Meanwhile::otherTypeAgain, false},
};

INSTANTIATE_TEST_SUITE_P(Meanwhile, FormJobsCompletion, testing::ValuesIn(completionCases),
                         [](const testing::TestParamInfo<CompletionCase>& info) {
                           return std::string(info.param.name);
                         });

// The completion already waits on the GUI queue when the instrument is
// removed (a pause that ran out) and another type added at its address.
TEST_F(FormJobs, CompletionWaitingWhileTheInstrumentIsReplacedStoresAndSignalsNothing) {
  AddInstrument(Address, L"TC100");
  Std().StartThreads();
  PushReceiveReadings(Std(), Address, Recorder());
  // The executor's turn, without running GUI tasks.
  const auto end = std::chrono::steady_clock::now() + 30s;
  while (!(sim_.Requests(Address) > 0 && Net().NoJobs() && !Net().IsBusy()) &&
         std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(5ms);
  ASSERT_GT(sim_.Requests(Address), 0);
  Net().Network().ErasePresent(Address);
  Net().Network().InsertNew(Address, FastNode(L"TH200"));

  RunGuiFor(std::chrono::milliseconds(500));
  EXPECT_TRUE(replies_.empty());
  EXPECT_EQ(Count(Address, dsRxOk) + Count(Address, dsRxKo), 0);
  EXPECT_FALSE(TheNode().HasReadings());
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

}  // namespace
