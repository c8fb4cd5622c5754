#pragma once
// A document double in a folder with a recording alarm script, a network of
// catalogue nodes, a clock the test sets, the document signal recorded, and a serial port that cannot open,
// so every exchange fails at once unless a test points the port elsewhere.
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "foundation/core/Clock.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/serial/SerialPort.h"
#include "tests/network/schedule/AlarmScriptFolder.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"

namespace NetworkTest {

typedef std::pair<int, PardeloStravon::DocSignal> Signal;

// A moment on every grid of the default periods (30, 300, 3600 s). The
// clock starts one second later, so that a new node's first runs put x, g
// and y, h on different times.
constexpr std::time_t GridTime = 1234566000;
constexpr std::time_t StartTime = GridTime + 1;

class ScheduleFixture : public ::testing::Test {
 protected:
  ScheduleFixture() : previousPort_(SerComm::SerialPort().SetPort("/nonexistent/tty")) {
    TestSupport::LoadNetworkTestCatalogue();
    doc_.pathName_ = folder_.Folder() + L"/network.qzi";
    connection_ = doc_.ConnectDocSignal([this](int address, PardeloStravon::DocSignal s) {
      if (s != PardeloStravon::dsTick) signals_.emplace_back(address, s);
    });
  }
  ~ScheduleFixture() override {
    connection_.disconnect();
    SerComm::SerialPort().SetPort(previousPort_);
  }

  PardeloStravon::InstrNetOpt& Opt() { return doc_.NetOpt(); }
  PardeloStravon::InstrNet& Net() { return doc_.NetOpt().Network(); }
  std::wstring Folder() const { return folder_.Folder(); }
  std::vector<std::string> AlarmCalls() const { return folder_.Calls(); }

  // A node of the type at the address, as stored in the network.
  PardeloStravon::Node& Add(int address, const std::wstring& code = L"TC100") {
    Net().InsertNew(address, PardeloStravon::Node(code));
    return Net().GetPresent(address);
  }

  void SetRx(bool on) { Opt().SetRxEnabled(on); }

  void SetLink(PardeloStravon::Node& node, PardeloStravon::Node::InstrLink link) {
    node.UpdateState([link](PardeloStravon::NodeSt& st) { st.link_ = link; });
  }

  // Stores readings whose first alarm parameter holds the code.
  void SetAlarm(PardeloStravon::Node& node, int code) {
    using namespace PardeloStravon;
    const InstrPars readable = ReadablePars(node.Type().Pars());
    InstrParValues values = DefaultValues(readable);
    for (std::size_t i = 0; i < readable.size(); ++i) {
      if (!readable[i]->ParIsAl()) continue;
      ASSERT_TRUE(TextToValue(*readable[i]->ParRange(), std::to_wstring(code), values[i]));
      break;
    }
    node.LatestReadings(values);
  }

  // Runs the queued GUI tasks; the signals they emitted, cleared afterwards.
  std::vector<Signal> RunTasks() {
    doc_.RunGuiTasks();
    std::vector<Signal> s;
    s.swap(signals_);
    return s;
  }

  void Tick() { doc_.EmitDocSignal(0, PardeloStravon::dsTick); }

  PardeloStravon::TestClock clock_{StartTime};
  AlarmScriptFolder folder_;
  TestSupport::DocDouble doc_;
  std::vector<Signal> signals_;
  boost::signals2::connection connection_;
  std::string previousPort_;
  PardeloStravon::GuiPoster poster_ = doc_.GetGuiPoster();
};

}  // namespace NetworkTest
