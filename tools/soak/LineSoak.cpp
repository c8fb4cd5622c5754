// line-soak [EXCHANGES [SEED]] [--line-speed]
//
// Reading and settings exchanges against the instrument simulator, one in
// ten with a fault drawn at random, with outages longer than the lost-link
// delay. It counts the exchanges reported good whose values are not the
// instrument's (false OKs), exchanges that hung, link states that left the
// link-state table, and settings reported written that the instrument does
// not hold. The last line gives the counts and the seed; the exit status is
// 1 when any of them is not zero.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <streambuf>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/LinkStates.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/LineTimings.h"
#include "network/serial/SerialPort.h"
#include "tools/simulator/InstrumentSimulator.h"

using namespace PardeloStravon;
using Simulator::Fault;

namespace {

// Every fault of an answer the line can bring, in the order of FaultNames. The last, a valid record
// with other data, only a write's echo can reveal, so reads never get it.
const Fault Faults[] = {Fault::silence,      Fault::garbage,         Fault::badChecksum,
                        Fault::badParity,    Fault::shortAnswer,     Fault::lateAnswer,
                        Fault::otherAddress, Fault::wrongBlockIndex, Fault::wrongType,
                        Fault::wrongCount,   Fault::wrongEcho};
constexpr std::size_t ReadFaults = std::size(Faults) - 1;

// An answer with one of these faults is unusable and not asked again: the
// exchange must fail. Taking it is a false OK even when its values happen to
// be right (an answer from another address carries no values of its own in
// the simulator).
bool MustFail(Fault f)
{
  return f == Fault::badChecksum || f == Fault::badParity || f == Fault::shortAnswer ||
         f == Fault::otherAddress || f == Fault::wrongBlockIndex || f == Fault::wrongType ||
         f == Fault::wrongCount;
}

const long LostLinkDelay = 20;  // seconds of the test clock; one passes per exchange

struct Instrument {
  int address;
  std::wstring code;
  InstrPars readable;
  InstrPars settable;
  NodeSt state;
  // The reference for the link-state table.
  bool answeredEver = false;
  bool failing = false;
  std::time_t failingSince = 0;
  long outageUntil = -1;  // exchange number
};

struct Counts {
  long exchanges = 0;
  long good = 0;
  long failed = 0;
  long faults = 0;
  long outages = 0;
  long falseOks = 0;
  long hung = 0;
  long brokenTransitions = 0;
  long settingsWritten = 0;
  long settingsLost = 0;
};

std::string Line(const Counts& c, unsigned seed)
{
  char text[400];
  std::snprintf(text, sizeof text,
                "exchanges %ld good %ld failed %ld faults %ld outages %ld | false OKs %ld hung %ld "
                "broken transitions %ld settings written %ld lost %ld | seed %u",
                c.exchanges, c.good, c.failed, c.faults, c.outages, c.falseOks, c.hung,
                c.brokenTransitions, c.settingsWritten, c.settingsLost, seed);
  return text;
}

// The link state the table gives after this exchange.
Node::InstrLink ExpectedLink(Instrument& in, bool answered)
{
  if (answered) {
    in.answeredEver = true;
    in.failing = false;
    return Node::yes_link;
  }
  if (!in.failing) {
    in.failing = true;
    in.failingSince = Now();
  }
  const bool pastDelay = Now() >= in.failingSince + LostLinkDelay;
  if (in.answeredEver) return pastDelay ? Node::lost_link : Node::int_link;
  return pastDelay ? Node::no_link : Node::not_yet;
}

VUC RandomFrame(std::mt19937& rng, const InstrPars& pars)
{
  VUC raw(FrameLength(pars));
  for (auto& b : raw) b = static_cast<unsigned char>(rng());
  // The frame as the instrument would hold it: what its values encode to.
  return ToVUC(pars, FromVUC(pars, raw));
}

const char* const FaultNames[] = {"silence",      "garbage",         "bad checksum",
                                  "bad parity",   "short answer",    "late answer",
                                  "other address", "wrong block index", "wrong type",
                                  "wrong count",  "wrong echo"};

// The faults of this exchange and of the one before tell where a wrong
// value came from.
void FalseOk(Counts& c, long n, int address, const char* what, int fault, int lastFault)
{
  ++c.falseOks;
  std::fprintf(stderr, "false OK: exchange %ld, %s of address %d, fault %s, before it %s\n", n,
               what, address, fault < 0 ? "none" : FaultNames[fault],
               lastFault < 0 ? "none" : FaultNames[lastFault]);
}

// Ends the program when one exchange takes far longer than its attempts can.
class HangWatch {
 public:
  explicit HangWatch(std::chrono::seconds limit) : limit_(limit), thread_([this] { Watch(); }) {}
  ~HangWatch()
  {
    stop_ = true;
    thread_.join();
  }
  void Start(const std::string& lineIfHung)
  {
    std::lock_guard<std::mutex> lock(m_);
    lineIfHung_ = lineIfHung;
    started_ = std::chrono::steady_clock::now();
    running_ = true;
  }
  void Stop()
  {
    std::lock_guard<std::mutex> lock(m_);
    running_ = false;
  }

 private:
  void Watch()
  {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      std::lock_guard<std::mutex> lock(m_);
      if (running_ && std::chrono::steady_clock::now() - started_ > limit_) {
        std::printf("exchange hung for more than %lld s\n%s\n", static_cast<long long>(limit_.count()),
                    lineIfHung_.c_str());
        std::fflush(stdout);
        _exit(1);
      }
    }
  }

  std::chrono::seconds limit_;
  std::mutex m_;
  std::string lineIfHung_;
  std::chrono::steady_clock::time_point started_;
  bool running_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// The activity and serial logs would bury the counts; errors stay on stderr.
struct Discard : std::wstreambuf {
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

}  // namespace

int main(int argc, char** argv)
{
  std::vector<std::string> args;
  bool lineSpeed = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--line-speed") == 0)
      lineSpeed = true;
    else
      args.push_back(argv[i]);
  }
  const long exchanges = args.size() > 0 ? std::atol(args[0].c_str()) : 10000;
  const unsigned seed = args.size() > 1 ? static_cast<unsigned>(std::strtoul(args[1].c_str(), nullptr, 10))
                                        : std::random_device{}();
  std::printf("line-soak: %ld exchanges, seed %u, %s\n", exchanges, seed,
              lineSpeed ? "line speed and the line's own timings" : "fast line and short timings");
  std::fflush(stdout);

  static Discard discard;
  ActivityLog.Stream().rdbuf(&discard);
  SerCommLog.Stream().rdbuf(&discard);

  const std::wstring failure = LoadResources(ProgramFolder());
  if (!failure.empty()) {
    std::fprintf(stderr, "the tables did not load: %s\n", ToUtf8(failure).c_str());
    return 2;
  }

  Simulator::Options options;
  options.paced = true;
  SerComm::LineTimings timings;
  if (lineSpeed) {
    options.charsPerSecond = 960;
    options.lateDelay = std::chrono::milliseconds(2500);
  } else {
    options.charsPerSecond = 20000;
    options.lateDelay = std::chrono::milliseconds(150);
    timings.port = {20, 1, 40, 1, 300};
    timings.colonDeadline = 100;
    timings.blockPause = 1;
  }
  Simulator::InstrumentSimulator sim(options);
  const SerComm::ScopedLineTimings scopedTimings(timings);
  SerComm::SerialPort().SetPort(sim.DevicePath());
  TestClock clock(1'000'000'000);

  // Two instruments of one type at neighbouring addresses: an answer with
  // the next address has exactly the right length.
  std::vector<Instrument> instruments;
  const std::vector<std::wstring>& codes = InstrCodes();
  const std::pair<int, std::wstring> layout[] = {
      {3, codes[1 % codes.size()]}, {5, codes[2 % codes.size()]}, {7, codes[0]}, {8, codes[0]}};
  for (const auto& [address, code] : layout) {
    const InstrPars pars = InstrByCode(code).Pars();
    Instrument in{address, code, ReadablePars(pars), SettablePars(pars), NodeSt{}};
    in.state.link_ = Node::to_check;
    instruments.push_back(in);
    sim.SetInstrument(address, pars, DefaultValues(pars));
  }

  std::mt19937 rng(seed);
  Counts c;
  HangWatch watch(std::chrono::seconds(lineSpeed ? 300 : 60));
  NodeOpt opt;
  opt.lostLinkDelay_ = LostLinkDelay;

  int lastFault = -1;
  for (long n = 0; n < exchanges; ++n) {
    clock.Advance(1);
    Instrument& in = instruments[rng() % instruments.size()];
    const VUC readings = RandomFrame(rng, in.readable);
    const VUC settings = RandomFrame(rng, in.settable);
    sim.SetReadingsFrame(in.address, readings);
    sim.SetSettingsFrame(in.address, settings);

    const int kind = static_cast<int>(rng() % 10);  // 0-6 readings, 7-8 settings, 9 a write
    sim.ClearFaults();
    int fault = -1;
    for (const Instrument& other : instruments)
      if (other.outageUntil > n) sim.ArmFault(Fault::silence, Simulator::InstrumentSimulator::forever, other.address);
    if (in.outageUntil <= n && rng() % 200 == 0) {
      // Longer than the lost-link delay: about one exchange in four goes to
      // this instrument, and the test clock moves a second per exchange.
      in.outageUntil = n + 4 * LostLinkDelay + static_cast<long>(rng() % 40);
      sim.ArmFault(Fault::silence, Simulator::InstrumentSimulator::forever, in.address);
      ++c.outages;
    } else if (rng() % 10 == 0) {
      fault = static_cast<int>(rng() % (kind == 9 ? std::size(Faults) : ReadFaults));
      sim.ArmFault(Faults[fault], 1, in.address);
      ++c.faults;
    }

    watch.Start(Line(c, seed));
    bool ok = false;
    if (kind <= 6) {
      InstrParValues values = DefaultValues(in.readable);
      ok = ReadingsExchange(opt, in.state, in.readable, in.address, values, nullptr);
      if (ok && (ToVUC(in.readable, values) != readings || (fault >= 0 && MustFail(Faults[fault]))))
        FalseOk(c, n, in.address, "readings", fault, lastFault);
    } else if (kind <= 8) {
      InstrParValues values = DefaultValues(in.settable);
      ok = SettingsExchange(opt, in.state, in.settable, in.address, values, nullptr);
      if (ok && (ToVUC(in.settable, values) != settings || (fault >= 0 && MustFail(Faults[fault]))))
        FalseOk(c, n, in.address, "settings", fault, lastFault);
    } else {
      const VUC wanted = RandomFrame(rng, in.settable);
      ok = SendSettings(in.address, in.settable, FromVUC(in.settable, wanted), nullptr);
      if (ok) {
        ++c.settingsWritten;
        if (sim.SettingsFrame(in.address) != wanted) ++c.settingsLost;
      }
    }
    watch.Stop();
    if (kind <= 8 && in.state.link_ != ExpectedLink(in, ok)) {
      ++c.brokenTransitions;
      std::fprintf(stderr, "exchange %ld at address %d: link state %d\n", n, in.address,
                   static_cast<int>(in.state.link_));
    }
    ++c.exchanges;
    ok ? ++c.good : ++c.failed;
    lastFault = fault;
    if ((n + 1) % 1000 == 0) {
      std::printf("%s\n", Line(c, seed).c_str());
      std::fflush(stdout);
    }
  }
  sim.ClearFaults();
  std::printf("%s\n", Line(c, seed).c_str());
  return c.falseOks || c.hung || c.brokenTransitions || c.settingsLost ? 1 : 0;
}
