// Room controllers on a pseudo-terminal, for trying the monitor without
// instruments: prints the device to connect to, then answers there until
// interrupted. Each instrument holds its parameters' table defaults; with
// --moving its readings change each second, each on a slow wave.
//
//   instrument-simulator [--paced] [--moving] ADDRESS:TYPE ...
//   e.g. instrument-simulator --paced --moving 5:RC500 7:TC100
#include <chrono>
#include <csignal>
#include <cstdio>
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
#include "tools/simulator/MovingReadings.h"

using namespace PardeloStravon;

namespace {

struct Placed {
  int address;
  std::wstring type;
};

int Usage(const std::string& why) {
  std::fprintf(stderr,
               "instrument-simulator: %s\nusage: instrument-simulator [--paced] [--moving] ADDRESS:TYPE ...\n",
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

}  // namespace

int main(int argc, char** argv) {
  Simulator::Options options;
  std::vector<Placed> instruments;
  bool moving = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    Placed placed;
    if (arg == "--paced")
      options.paced = true;
    else if (arg == "--moving")
      moving = true;
    else if (ParsePlaced(arg, placed))
      instruments.push_back(placed);
    else
      return Usage("not an option nor ADDRESS:TYPE: " + arg);
  }
  if (instruments.empty()) return Usage("no instrument given");

  // The logs go to files so that standard output carries the device alone.
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
  std::vector<std::pair<int, InstrPars>> placedPars;
  for (const Placed& p : instruments) {
    try {
      const InstrPars pars = InstrByCode(p.type).Pars();
      InstrParValues values;
      for (const InstrParPure* par : pars) values.push_back(par->ParDft());
      sim.SetInstrument(p.address, pars, values);
      placedPars.emplace_back(p.address, pars);
    } catch (const InstrBadRef&) {
      return Usage("unknown instrument type: " + ToUtf8(p.type));
    }
  }
  std::printf("%s\n", sim.DevicePath().c_str());
  std::fflush(stdout);
  if (!moving) {
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
  }
  // Only the readings frame changes: settings the monitor wrote stay.
  const auto start = std::chrono::steady_clock::now();
  const timespec second{1, 0};
  while (true) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const auto& [address, pars] : placedPars)
      sim.SetReadingsFrame(address,
                           ToVUC(ReadablePars(pars), ReadableValues(pars, Simulator::MovingValues(pars, seconds))));
    if (sigtimedwait(&stop, nullptr, &second) > 0) return 0;
  }
}
