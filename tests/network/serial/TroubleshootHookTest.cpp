#include <gtest/gtest.h>

#include "foundation/core/LogChannel.h"
#include "network/serial/TroubleshootHook.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;

namespace {

// A trace that is always full: every text pushes an old line out.
class FullTraceDoc : public TestSupport::DocDouble {
 public:
  bool TraceAppend(const std::wstring& text) override {
    DocDouble::TraceAppend(text);
    return true;
  }
};

template <class Doc>
class TroubleshootHookTest : public ::testing::Test {
 protected:
  TroubleshootHookTest() {
    TestSupport::LoadNetworkTestCatalogue();
    doc_.ConnectDocSignal([this](int address, DocSignal s) { signals_.emplace_back(address, s); });
    sink_ = TroubleshootHook(&doc_.NetOpt(), &poster_, true);
  }
  // The sink outlives this document: it drops texts again.
  ~TroubleshootHookTest() override { TroubleshootHook(nullptr, nullptr, true); }

  void SetTroubleshooting(bool on) {
    NetOptRecord opt = doc_.NetOpt().Options();
    opt.troubleshoot_ = on;
    doc_.NetOpt().SetOptions(opt);
  }

  Doc doc_;
  GuiPoster poster_ = doc_.GetGuiPoster();
  const SerComm::SerialLogSink* sink_ = nullptr;
  std::vector<std::pair<int, DocSignal>> signals_;
};

typedef TroubleshootHookTest<TestSupport::DocDouble> TraceTest;
typedef TroubleshootHookTest<FullTraceDoc> FullTraceTest;

}  // namespace

TEST_F(TraceTest, TroubleshootingOff_TextsAreDroppedWithoutAGuiTask) {
  LogCapture serial(SerCommLog);
  (*sink_)(SerComm::atError, L" Impossible to open serial port.\n");
  EXPECT_FALSE(doc_.RunGuiTasks());
  EXPECT_TRUE(doc_.trace_.empty());
  EXPECT_EQ(serial.Text(), L"");
  EXPECT_TRUE(signals_.empty());
}

TEST_F(TraceTest, TroubleshootingOn_EveryKindReachesLogAndTraceUnchangedOnTheGuiThread) {
  SetTroubleshooting(true);
  LogCapture serial(SerCommLog);
  const std::vector<std::pair<SerComm::ActionType, std::wstring>> texts = {
      {SerComm::atProgress, L" :02180584000F4E to be sent by PC ... "},
      {SerComm::atReply, L"received ok ... "},
      {SerComm::atNotice, L":02180584000F4E ack ok!\n"},
      {SerComm::atError, L"x"}};
  for (const auto& t : texts) (*sink_)(t.first, t.second);
  EXPECT_TRUE(doc_.trace_.empty()) << "nothing before the GUI thread runs the tasks";

  ASSERT_TRUE(doc_.RunGuiTasks());
  std::wstring all;
  for (const auto& t : texts) all += t.second;
  EXPECT_EQ(serial.Text(), all);
  ASSERT_EQ(doc_.trace_.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(doc_.trace_[i], texts[i].second);
  EXPECT_EQ(signals_, (std::vector<std::pair<int, DocSignal>>(4, {0, dsTraceText})));
}

TEST_F(TraceTest, FetchWithoutBinding_GivesTheSinkAsBound) {
  SetTroubleshooting(true);
  const SerComm::SerialLogSink* fetched = TroubleshootHook(nullptr, nullptr, false);
  EXPECT_EQ(fetched, sink_);
  (*fetched)(SerComm::atProgress, L"job text");
  ASSERT_TRUE(doc_.RunGuiTasks());
  EXPECT_EQ(doc_.trace_, std::vector<std::wstring>{L"job text"});
}

TEST_F(FullTraceTest, TraceThatDroppedOldLines_SignalsANewLine) {
  SetTroubleshooting(true);
  LogCapture serial(SerCommLog);
  (*sink_)(SerComm::atProgress, L"text");
  ASSERT_TRUE(doc_.RunGuiTasks());
  EXPECT_EQ(signals_, (std::vector<std::pair<int, DocSignal>>{{0, dsTraceLine}}));
}
