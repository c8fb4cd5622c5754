#include "tools/simulator/InstrumentSimulator.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#include "network/serial/IntelHex.h"
#include "network/serial/MemoryTransactions.h"
#include "network/serial/Parity.h"
#include "platform/PseudoTerminal.h"

namespace Simulator {

using IntelHex::Record;
using PardeloStravon::VUC;
using SerComm::AddressOffset;
typedef std::chrono::steady_clock Steady;

namespace {

constexpr std::size_t BlockSize = SerComm::MaxBlockSize;

struct Instrument {
  VUC readings;
  VUC settings;
  VUC written;  // the write buffer: blocks received since the start
  int completedWrites = 0;
};

struct ArmedFault {
  Fault fault;
  int times;
  int address;
};

struct Received {
  int address;
  int type;
};

// The answer with a fault applied to its fields, as text without parity.
std::string AnswerText(const Record& answer, std::optional<Fault> fault, const Options& options) {
  int type = answer.Type();
  int address = answer.Address();
  VUC data = answer.Data();
  if (fault) {
    switch (*fault) {
      case Fault::otherAddress:
        address = options.otherAddressField >= 0 ? options.otherAddressField & 0xFFFF
                                                 : (address + 1) & 0xFFFF;
        break;
      case Fault::wrongBlockIndex:
        if (!data.empty()) ++data[0];
        break;
      case Fault::wrongType:
        type = type == SerComm::cmdReadReadings   ? SerComm::cmdReadSettings
               : type == SerComm::cmdReadSettings ? SerComm::cmdReadReadings
                                                  : (type + 1) & 0xFF;
        break;
      case Fault::wrongCount:
        if (!data.empty())
          data.pop_back();
        else
          data.push_back(0);
        break;
      case Fault::wrongEcho:
        if (!data.empty())
          data.back() ^= 0x01;
        else
          address ^= 0x01;
        break;
      default:
        break;
    }
  }
  const int count = static_cast<int>(data.size());
  std::string text =
      Record(count, std::min(address, 0xFFFF - std::max(count - 1, 0)), type, data).Text();
  if (!fault) return text;
  switch (*fault) {
    case Fault::badChecksum:
      text.back() = text.back() == '0' ? '1' : '0';
      break;
    case Fault::shortAnswer:
      text.resize(text.size() / 2);
      break;
    case Fault::garbage:
      text = options.garbage;
      break;
    default:
      break;
  }
  return text;
}

}  // namespace

struct InstrumentSimulator::Impl {
  explicit Impl(const Options& o) : options(o), lateDelay(o.lateDelay), random(o.randomSeed) {}

  const Options options;
  Platform::PseudoTerminal line;
  std::thread server;

  mutable std::mutex m;
  std::condition_variable stopped;
  bool stop = false;
  std::map<int, Instrument> instruments;
  std::deque<ArmedFault> faults;
  std::chrono::milliseconds lateDelay;
  std::mt19937 random;
  std::vector<Received> received;
  std::vector<std::string> texts;
  std::string raw;
  int parityErrors = 0;

  // Server thread only: the record being assembled, and the answers
  // waiting for their time.
  std::string incoming;
  Steady::time_point incomingStart;
  std::multimap<Steady::time_point, std::string> outbox;

  void Serve();
  void Take(unsigned char byte);
  void Answer(const std::string& requestText);
  std::optional<Record> Respond(const Record& request);
  std::optional<Fault> TakeFault(int address);
  // False when the simulator is stopping.
  bool SleepUntil(Steady::time_point t);
  void Send(const std::string& wire);
};

void InstrumentSimulator::Impl::Serve() {
  unsigned char buffer[256];
  for (;;) {
    int timeout = -1;
    if (!outbox.empty()) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(outbox.begin()->first - Steady::now());
      timeout = static_cast<int>(std::max<long long>(left.count(), 0));
    }
    const Platform::PseudoTerminal::Event event = line.Wait(timeout);
    if (event == Platform::PseudoTerminal::Event::woken ||
        event == Platform::PseudoTerminal::Event::failed)
      return;
    if (event == Platform::PseudoTerminal::Event::input) {
      const std::size_t n = line.Read(buffer, sizeof buffer);
      for (std::size_t i = 0; i < n; ++i) Take(buffer[i]);
    } else if (event == Platform::PseudoTerminal::Event::idle) {
      // No opener on the device side for a moment; do not spin.
      if (!SleepUntil(Steady::now() + std::chrono::milliseconds(10))) return;
    }
    while (!outbox.empty() && outbox.begin()->first <= Steady::now()) {
      const std::string wire = outbox.begin()->second;
      outbox.erase(outbox.begin());
      Send(wire);
    }
  }
}

void InstrumentSimulator::Impl::Take(unsigned char byte) {
  const unsigned char c = SerComm::CheckParity(byte);
  {
    std::lock_guard<std::mutex> lock(m);
    raw += static_cast<char>(byte);
    if (c == 0 && byte != 0) {
      ++parityErrors;
      incoming.clear();
      return;
    }
  }
  if (c == ':') {
    incoming.assign(1, ':');
    incomingStart = Steady::now();
    return;
  }
  if (incoming.empty()) return;
  incoming += static_cast<char>(c);
  if (incoming.size() < 3) return;
  const int hi = IntelHex::HexDigitValue(incoming[1]);
  const int lo = IntelHex::HexDigitValue(incoming[2]);
  const int count = 16 * hi + lo;
  if (hi < 0 || lo < 0 || count > IntelHex::MaxDataBytes) {
    incoming.clear();
    return;
  }
  if (incoming.size() < static_cast<std::size_t>(11 + 2 * count)) return;
  const std::string text = incoming;
  incoming.clear();
  Answer(text);
}

void InstrumentSimulator::Impl::Answer(const std::string& requestText) {
  const Record request = IntelHex::ParseRecord(requestText);
  std::optional<Record> answer;
  std::optional<Fault> fault;
  std::chrono::milliseconds late{0};
  {
    std::lock_guard<std::mutex> lock(m);
    texts.push_back(requestText);
    if (!request.IsValid()) return;
    const int address = request.Address() - AddressOffset;
    received.push_back({address, request.Type()});
    answer = Respond(request);
    if (!answer) return;
    fault = TakeFault(address);
    late = lateDelay;
  }
  const auto charTime = std::chrono::microseconds(1000000 / std::max(options.charsPerSecond, 1));
  Steady::time_point at = Steady::now();
  if (options.paced) {
    const Steady::time_point arrived =
        incomingStart + std::chrono::duration_cast<Steady::duration>(charTime * requestText.size());
    at = std::max(at, arrived);
  }
  at += options.replyDelay;
  if (fault == Fault::silence) return;
  if (fault == Fault::lateAnswer) at += late;
  std::string wire = SerComm::AddParity(AnswerText(*answer, fault, options));
  if (fault == Fault::badParity) wire[wire.size() / 2] ^= static_cast<char>(0x80);
  outbox.emplace(at, wire);
}

std::optional<Record> InstrumentSimulator::Impl::Respond(const Record& request) {
  const auto found = instruments.find(request.Address() - AddressOffset);
  if (found == instruments.end()) return std::nullopt;
  Instrument& instr = found->second;
  const VUC& data = request.Data();
  switch (request.Type()) {
    case SerComm::cmdReadReadings:
    case SerComm::cmdReadSettings: {
      if (request.Count() != 2) return std::nullopt;
      const VUC& frame =
          request.Type() == SerComm::cmdReadReadings ? instr.readings : instr.settings;
      const std::size_t offset = BlockSize * data[0];
      const std::size_t n = data[1];
      if (n > BlockSize || offset + n > frame.size()) return std::nullopt;
      VUC block(n + 1, data[0]);
      std::copy_n(frame.begin() + offset, n, block.begin() + 1);
      return Record(static_cast<int>(block.size()), request.Address(), request.Type(), block);
    }
    case SerComm::cmdWriteBlock: {
      if (request.Count() < 1) return std::nullopt;
      const std::size_t offset = BlockSize * data[0];
      const std::size_t n = data.size() - 1;
      if (instr.written.size() < offset + n) instr.written.resize(offset + n);
      std::copy(data.begin() + 1, data.end(), instr.written.begin() + offset);
      return request;
    }
    case SerComm::cmdEndWrite:
      // The blocks stay in the instrument's buffer: an end record repeated
      // after its echo was lost commits the same settings again.
      instr.settings = instr.written;
      ++instr.completedWrites;
      return request;
    case SerComm::cmdBroadcast:
      return request;
    default:
      return std::nullopt;
  }
}

std::optional<Fault> InstrumentSimulator::Impl::TakeFault(int address) {
  for (auto it = faults.begin(); it != faults.end(); ++it) {
    if (it->address != anyAddress && it->address != address) continue;
    const Fault f = it->fault;
    if (it->times > 0 && --it->times == 0) faults.erase(it);
    return f;
  }
  if (options.randomFaultRate > 0 && !options.randomFaults.empty() &&
      std::uniform_real_distribution<double>(0, 1)(random) < options.randomFaultRate)
    return options.randomFaults[std::uniform_int_distribution<std::size_t>(
        0, options.randomFaults.size() - 1)(random)];
  return std::nullopt;
}

bool InstrumentSimulator::Impl::SleepUntil(Steady::time_point t) {
  std::unique_lock<std::mutex> lock(m);
  return !stopped.wait_until(lock, t, [this] { return stop; });
}

void InstrumentSimulator::Impl::Send(const std::string& wire) {
  const auto charTime = std::chrono::microseconds(1000000 / std::max(options.charsPerSecond, 1));
  const auto start = Steady::now();
  if (!options.paced) {
    line.Write(wire.data(), wire.size());
    return;
  }
  for (std::size_t i = 0; i < wire.size(); ++i) {
    if (!SleepUntil(start + charTime * i) || !line.Write(wire.data() + i, 1)) return;
  }
}

InstrumentSimulator::InstrumentSimulator(const Options& options) : impl_(new Impl(options)) {
  impl_->server = std::thread([this] { impl_->Serve(); });
}

InstrumentSimulator::~InstrumentSimulator() {
  {
    std::lock_guard<std::mutex> lock(impl_->m);
    impl_->stop = true;
  }
  impl_->stopped.notify_all();
  impl_->line.Wake();
  if (impl_->server.joinable()) impl_->server.join();
}

std::string InstrumentSimulator::DevicePath() const { return impl_->line.DevicePath(); }

void InstrumentSimulator::SetInstrument(int address, const PardeloStravon::InstrPars& pars,
                                        const PardeloStravon::InstrParValues& values) {
  using namespace PardeloStravon;
  const VUC readings = ToVUC(ReadablePars(pars), ReadableValues(pars, values));
  const VUC settings = ToVUC(SettablePars(pars), SettableValues(pars, values));
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->instruments[address].readings = readings;
  impl_->instruments[address].settings = settings;
}

PardeloStravon::InstrParValues InstrumentSimulator::SettingsValues(
    int address, const PardeloStravon::InstrPars& pars) const {
  const PardeloStravon::InstrPars settable = PardeloStravon::SettablePars(pars);
  return PardeloStravon::FromVUC(settable, SettingsFrame(address));
}

void InstrumentSimulator::SetReadingsFrame(int address, const VUC& frame) {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->instruments[address].readings = frame;
}

void InstrumentSimulator::SetSettingsFrame(int address, const VUC& frame) {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->instruments[address].settings = frame;
}

VUC InstrumentSimulator::ReadingsFrame(int address) const {
  std::lock_guard<std::mutex> lock(impl_->m);
  const auto it = impl_->instruments.find(address);
  return it == impl_->instruments.end() ? VUC() : it->second.readings;
}

VUC InstrumentSimulator::SettingsFrame(int address) const {
  std::lock_guard<std::mutex> lock(impl_->m);
  const auto it = impl_->instruments.find(address);
  return it == impl_->instruments.end() ? VUC() : it->second.settings;
}

int InstrumentSimulator::CompletedWrites(int address) const {
  std::lock_guard<std::mutex> lock(impl_->m);
  const auto it = impl_->instruments.find(address);
  return it == impl_->instruments.end() ? 0 : it->second.completedWrites;
}

void InstrumentSimulator::RemoveInstrument(int address) {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->instruments.erase(address);
}

void InstrumentSimulator::ArmFault(Fault fault, int times, int address) {
  if (times == 0) return;
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->faults.push_back({fault, times, address});
}

void InstrumentSimulator::ClearFaults() {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->faults.clear();
}

void InstrumentSimulator::SetLateDelay(std::chrono::milliseconds delay) {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->lateDelay = delay;
}

int InstrumentSimulator::Requests(int address, int command) const {
  std::lock_guard<std::mutex> lock(impl_->m);
  return static_cast<int>(
      std::count_if(impl_->received.begin(), impl_->received.end(), [&](const Received& r) {
        return (address == anyAddress || r.address == address) &&
               (command == anyCommand || r.type == command);
      }));
}

std::vector<std::string> InstrumentSimulator::RequestTexts() const {
  std::lock_guard<std::mutex> lock(impl_->m);
  return impl_->texts;
}

std::string InstrumentSimulator::RawInput() const {
  std::lock_guard<std::mutex> lock(impl_->m);
  return impl_->raw;
}

int InstrumentSimulator::ParityErrors() const {
  std::lock_guard<std::mutex> lock(impl_->m);
  return impl_->parityErrors;
}

void InstrumentSimulator::ResetCounters() {
  std::lock_guard<std::mutex> lock(impl_->m);
  impl_->received.clear();
  impl_->texts.clear();
  impl_->raw.clear();
  impl_->parityErrors = 0;
}

}  // namespace Simulator
