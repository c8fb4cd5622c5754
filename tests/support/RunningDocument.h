#pragma once
// A document whose own worker threads run against simulated instruments on
// a pseudo-terminal, saved in a temporary folder, with every document
// signal recorded.
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/LineFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

namespace DocumentTest {

using TestSupport::FastNode;

class RunningDocument : public DocumentFixture {
 public:
  // The threads stop while the line and the records still exist.
  ~RunningDocument() override { content_.reset(); }

  struct Signal {
    int address;
    PardeloStravon::DocSignal signal;
  };

  // Content with reception on, not started.
  void MakeNetwork(const PardeloStravon::ThreadTimings& timings = FastThreadTimings()) {
    Make(timings);
    Std().SetDocPath(PardeloStravon::JoinPath(dir_.Wide(), L"plant.qzid"));
    connection_ = Std().ConnectDocSignal([this](int address, PardeloStravon::DocSignal s) {
      signals_.push_back({address, s});
    });
    Net().SetRxEnabled(true);
  }

  PardeloStravon::InstrNetOpt& Net() { return Std().NetOpt(); }

  // An instrument on the line, answering frames of its type.
  void PlaceInstrument(int address, const std::wstring& code) {
    const PardeloStravon::InstrPars pars = PardeloStravon::InstrByCode(code).Pars();
    sim_.SetReadingsFrame(address, Frame(PardeloStravon::ReadablePars(pars), address));
    sim_.SetSettingsFrame(address, Frame(PardeloStravon::SettablePars(pars), address + 100));
  }

  void AddInstrument(int address, const std::wstring& code) {
    PlaceInstrument(address, code);
    Net().Network().InsertNew(address, FastNode(code));
  }

  int Count(int address, PardeloStravon::DocSignal s, std::size_t from = 0) const {
    int n = 0;
    for (std::size_t i = from; i < signals_.size(); ++i)
      n += signals_[i].address == address && signals_[i].signal == s;
    return n;
  }

  static PardeloStravon::VUC Frame(const PardeloStravon::InstrPars& pars, int address) {
    PardeloStravon::VUC frame(PardeloStravon::FrameLength(pars), 0);
    if (frame.size() > 1) frame[1] = static_cast<unsigned char>(address);
    return frame;
  }

  NetworkTest::SimulatedLine line_;
  Simulator::InstrumentSimulator& sim_ = line_.Sim();
  TestSupport::TempDir dir_;
  TestSupport::LogCapture errors_{PardeloStravon::ErrorLog};
  std::vector<Signal> signals_;
  boost::signals2::scoped_connection connection_;
};

}  // namespace DocumentTest
