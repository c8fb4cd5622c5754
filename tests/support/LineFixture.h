#pragma once
// A simulated instrument line on a pseudo-terminal, the program's port
// pointed at it, short line timings, and a sink that keeps every text.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "network/serial/LineTimings.h"
#include "network/serial/SerialPort.h"
#include "tools/simulator/InstrumentSimulator.h"

namespace NetworkTest {

// Short enough for fast tests, long enough for a loaded machine to answer
// within them.
inline SerComm::LineTimings FastTimings() {
  SerComm::LineTimings t;
  t.port = {150, 1, 250, 1, 500};
  t.colonDeadline = 500;
  t.blockPause = 1;
  return t;
}

// The real line's time-outs and pace made `speedup` times faster, so that
// delays keep their relation to the time-outs: a delay of d ms on the line
// is d / speedup here.
inline SerComm::LineTimings ScaledTimings(unsigned speedup) {
  const SerComm::LineTimings real;
  SerComm::LineTimings t;
  t.port = {real.port.readInterval / speedup,
            std::max(real.port.readTotalMultiplier / speedup, 1u),
            real.port.readTotalConstant / speedup,
            std::max(real.port.writeTotalMultiplier / speedup, 1u),
            real.port.writeTotalConstant / speedup};
  t.colonDeadline = real.colonDeadline / speedup;
  t.blockPause = std::max(real.blockPause / speedup, 1u);
  return t;
}

// Instruments that answer at the line's pace made `speedup` times faster,
// after a reaction time of `reactionMs` on the line.
inline Simulator::Options ScaledInstruments(unsigned speedup, unsigned reactionMs) {
  Simulator::Options o;
  o.paced = true;
  o.charsPerSecond = 960 * static_cast<int>(speedup);
  o.replyDelay = std::chrono::milliseconds(reactionMs / speedup);
  return o;
}

typedef std::pair<SerComm::ActionType, std::wstring> SinkText;

class SinkRecorder {
 public:
  SinkRecorder()
      : sink_([this](SerComm::ActionType k, std::wstring t) { texts_.emplace_back(k, t); }) {}
  const SerComm::SerialLogSink* Sink() const { return &sink_; }
  const std::vector<SinkText>& Texts() const { return texts_; }
  void Clear() { texts_.clear(); }

  int Count(SerComm::ActionType kind, const std::wstring& text) const {
    int n = 0;
    for (const auto& t : texts_) n += t.first == kind && t.second == text;
    return n;
  }
  // Index of the first text equal to `text` from `from` on, or -1.
  int Find(const std::wstring& text, std::size_t from = 0) const {
    for (std::size_t i = from; i < texts_.size(); ++i)
      if (texts_[i].second == text) return static_cast<int>(i);
    return -1;
  }
  std::wstring All() const {
    std::wstring all;
    for (const auto& t : texts_) all += t.second;
    return all;
  }

 private:
  std::vector<SinkText> texts_;
  SerComm::SerialLogSink sink_;
};

// While it lives: the simulator, the program's port pointed at it and the
// line timings replaced.
class SimulatedLine {
 public:
  explicit SimulatedLine(const Simulator::Options& options = Simulator::Options(),
                         const SerComm::LineTimings& timings = FastTimings())
      : sim_(options),
        timings_(timings),
        previousPort_(SerComm::SerialPort().SetPort(sim_.DevicePath())) {}
  ~SimulatedLine() { SerComm::SerialPort().SetPort(previousPort_); }
  SimulatedLine(const SimulatedLine&) = delete;
  SimulatedLine& operator=(const SimulatedLine&) = delete;

  Simulator::InstrumentSimulator& Sim() { return sim_; }

 private:
  Simulator::InstrumentSimulator sim_;
  SerComm::ScopedLineTimings timings_;
  std::string previousPort_;
};

class LineFixture : public ::testing::Test {
 protected:
  explicit LineFixture(const Simulator::Options& options = Simulator::Options(),
                       const SerComm::LineTimings& timings = FastTimings())
      : line_(options, timings) {}

  SimulatedLine line_;
  Simulator::InstrumentSimulator& sim_ = line_.Sim();
  SinkRecorder rec_;
};

// Bytes 1, 2, 3, ... so that every block of a frame is told apart.
inline PardeloStravon::VUC CountingFrame(std::size_t size) {
  PardeloStravon::VUC frame(size);
  for (std::size_t i = 0; i < size; ++i) frame[i] = static_cast<unsigned char>(i + 1);
  return frame;
}

}  // namespace NetworkTest
