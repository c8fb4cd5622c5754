// Room controllers on a pseudo-terminal, for trying the monitor without
// instruments: prints the device to connect to and one line per instrument
// (its address, type, frame lengths in bytes and where its network address
// lies in the settings frame), then answers there until interrupted. Each
// instrument holds its parameters' table defaults and its own address; with
// --moving its readings change each second like a plant's.
//
//   instrument-simulator [--paced] [--moving] [--faults PERCENT] [--seed N]
//                        [--link PATH] ADDRESS:TYPE ...
//   e.g. instrument-simulator --paced --moving 5:RC500 7:TC100
//
// --faults: that share of answers gets a random fault (garbage, silence, a
// wrong echo or a late answer). --link: PATH becomes a symbolic link to the
// device while the simulator runs, so a simulator started again after an
// outage answers at the same path.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/serial/MemoryTransactions.h"
#include "tools/simulator/InstrumentSimulator.h"
#include "tools/simulator/SimulatedPlant.h"

using namespace PardeloStravon;

namespace {

struct Placed {
  int address;
  std::wstring type;
};

int Usage(const std::string& why) {
  std::fprintf(stderr,
               "instrument-simulator: %s\nusage: instrument-simulator [--paced] [--moving] [--faults PERCENT] [--seed N] [--link PATH] "
               "ADDRESS:TYPE ...\n",
               why.c_str());
  return 2;
}

bool ParsePlaced(const std::string& arg, Placed& placed) {
  const auto colon = arg.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == arg.size()) return false;
  const std::string address = arg.substr(0, colon);
  if (address.size() > 5 || address.find_first_not_of("0123456789") != std::string::npos)
    return false;
  placed.address = std::stoi(address);
  placed.type = FromUtf8(arg.substr(colon + 1));
  return placed.address + SerComm::AddressOffset <= 0xFFFF;
}

bool ParseNumber(const char* text, double lo, double hi, double& number) {
  char* end = nullptr;
  number = std::strtod(text, &end);
  return end != text && *end == 0 && number >= lo && number <= hi;
}

// Points `link` at `device` in one step: a reader never finds it missing.
bool PointLink(const std::filesystem::path& link, const std::string& device) {
  std::error_code error;
  const std::filesystem::path fresh = link.string() + ".new";
  std::filesystem::remove(fresh, error);
  std::filesystem::create_symlink(device, fresh, error);
  if (!error) std::filesystem::rename(fresh, link, error);
  return !error;
}

// Removes the link only while it still points at this simulator's device.
void DropLink(const std::filesystem::path& link, const std::string& device) {
  std::error_code error;
  if (std::filesystem::read_symlink(link, error) == device) std::filesystem::remove(link, error);
}

}  // namespace

int main(int argc, char** argv) {
  Simulator::Options options;
  std::vector<Placed> instruments;
  bool moving = false;
  std::string link;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool valued = arg == "--faults" || arg == "--seed" || arg == "--link";
    if (valued && i + 1 == argc) return Usage(arg + " wants a value");
    double number = 0;
    Placed placed;
    if (arg == "--paced")
      options.paced = true;
    else if (arg == "--moving")
      moving = true;
    else if (arg == "--faults") {
      if (!ParseNumber(argv[++i], 0, 100, number)) return Usage("--faults wants a per cent from 0 to 100");
      options.randomFaultRate = number / 100;
    } else if (arg == "--seed") {
      if (!ParseNumber(argv[++i], 0, 4294967295.0, number)) return Usage("--seed wants a whole number");
      options.randomSeed = static_cast<unsigned>(number);
    } else if (arg == "--link")
      link = argv[++i];
    else if (ParsePlaced(arg, placed))
      instruments.push_back(placed);
    else
      return Usage("not an option nor ADDRESS:TYPE: " + arg);
  }
  if (instruments.empty()) return Usage("no instrument given");

  // The logs go to files so that standard output carries only the device
  // and the instrument lines.
  const auto logs = std::filesystem::temp_directory_path() / "vantor-simulator-logs";
  std::filesystem::create_directories(logs);
  LogFiles files(FromUtf8(logs.string()));
  const std::wstring failure = LoadResources(ProgramFolder());
  if (!failure.empty()) return Usage("the table files do not load: " + ToUtf8(failure));

  // Blocked before the server thread starts, so that only sigwait takes them.
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGINT);
  sigaddset(&stop, SIGTERM);
  sigaddset(&stop, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);

  Simulator::InstrumentSimulator sim(options);
  Simulator::SimulatedPlant plant(sim, moving);
  for (const Placed& p : instruments) {
    try {
      plant.Place(p.address, p.type);
    } catch (const InstrBadRef&) {
      return Usage("unknown instrument type: " + ToUtf8(p.type));
    }
  }
  const std::string device = sim.DevicePath();
  if (!link.empty() && !PointLink(link, device)) return Usage("the link cannot be made: " + link);
  std::printf("%s\n", device.c_str());
  for (const auto& placed : plant.Instruments())
    std::printf("%d %s readings %u settings %u address-at %d\n", placed.address, ToUtf8(placed.type).c_str(),
                FrameLength(ReadablePars(placed.pars)), FrameLength(SettablePars(placed.pars)),
                Simulator::AddressByte(placed.pars));
  std::fflush(stdout);
  // Only the readings frame changes: settings the monitor wrote stay.
  const auto start = std::chrono::steady_clock::now();
  const timespec second{1, 0};
  while (true) {
    if (moving)
      plant.Advance(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (sigtimedwait(&stop, nullptr, &second) > 0) break;
  }
  if (!link.empty()) DropLink(link, device);
  return 0;
}
