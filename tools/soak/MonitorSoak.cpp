// monitor-soak [SECONDS [SAMPLE_SECONDS]]
//
// The network with its real worker threads and the monitor's own thread
// timings against the instrument simulator at line speed: 32 instruments,
// reception on, readings and graph periods of one second, a fault in about
// one answer of a hundred. This thread plays the window thread: it runs the
// queued tasks, which store the readings and write the recording files.
// Every SAMPLE_SECONDS (60) it samples the resident memory and the CPU time
// of the process (simulator included) and at the end prints their start, end
// and maximum, then measures the CPU for one more sample with reception off.
// Default run: one hour.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/serial/SerialPort.h"
#include "network/threads/WorkerThreads.h"
#include "tests/support/DocDouble.h"
#include "tools/simulator/InstrumentSimulator.h"

using namespace PardeloStravon;
using namespace std::chrono_literals;
using Simulator::Fault;

namespace {

const Fault Faults[] = {Fault::silence,      Fault::garbage,         Fault::badChecksum,
                        Fault::badParity,    Fault::shortAnswer,     Fault::lateAnswer,
                        Fault::otherAddress, Fault::wrongBlockIndex, Fault::wrongType,
                        Fault::wrongCount};

// The document as the worker threads see it, with the window thread's flags.
class SoakDoc : public TestSupport::DocDouble, public WorkerHost {
 public:
  void SetClosing(bool closing) override { closing_ = closing; }
  void SetStopped() override { stop_ = true; }
  bool RunGuiTasks() override { return DocDouble::RunGuiTasks(); }
  // What the double keeps for tests would grow without end here.
  void Forget()
  {
    trace_.clear();
    messages_.clear();
    graphs_.clear();
    prints_.clear();
  }
};

struct Sample {
  double seconds;
  long residentKb;
  double cpuSeconds;
};

Sample Take(std::chrono::steady_clock::time_point start)
{
  long pages = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  const double cpu = use.ru_utime.tv_sec + use.ru_stime.tv_sec +
                     (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          resident * (sysconf(_SC_PAGESIZE) / 1024), cpu};
}

}  // namespace

int main(int argc, char** argv)
{
  const long seconds = argc > 1 ? std::atol(argv[1]) : 3600;
  const long sampleSeconds = argc > 2 ? std::max(1L, std::atol(argv[2])) : 60;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("monitor-soak-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::printf("monitor-soak: %ld s, a sample every %ld s, files in %s\n", seconds, sampleSeconds,
              folder.c_str());
  std::fflush(stdout);
  const LogFiles logs(FromUtf8(folder.string()));
  if (!LoadResources(ProgramFolder()).empty()) {
    std::fprintf(stderr, "the tables did not load\n");
    return 2;
  }

  Simulator::Options options;
  options.paced = true;  // 960 characters a second, like the line
  Simulator::InstrumentSimulator sim(options);
  SerComm::SerialPort().SetPort(sim.DevicePath());

  SoakDoc doc;
  doc.pathName_ = FromUtf8((folder / "plant.qzi").string());
  NetOptRecord net = doc.NetOpt().Options();
  net.rxEn_ = true;
  doc.NetOpt().SetOptions(net);
  const std::vector<std::wstring>& codes = InstrCodes();
  for (int address = 1; address <= 32; ++address) {
    const std::wstring& code = codes[address % codes.size()];
    const InstrPars pars = InstrByCode(code).Pars();
    sim.SetInstrument(address, pars, DefaultValues(pars));
    Node node(code);
    NodeOpt opt = node.Opt();
    opt.xs_ = 1;
    opt.gs_ = 1;
    node.SetOpt(opt);
    doc.NetOpt().Network().InsertNew(address, node);
  }

  std::mt19937 rng(std::random_device{}());
  const auto start = std::chrono::steady_clock::now();
  std::vector<Sample> samples{Take(start)};
  long faults = 0;
  struct {
    double seconds;
    int requests;
    double cpuPercent;
  } quiet{};
  {
    WorkerThreads workers(doc, doc);
    int faultedRequests = 0;
    auto nextSample = start + std::chrono::seconds(sampleSeconds);
    const auto end = start + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
      doc.RunGuiTasks();
      doc.Forget();
      // About one answer in a hundred carries a fault.
      const int requests = sim.Requests();
      for (; faultedRequests + 100 <= requests; faultedRequests += 100) {
        sim.ArmFault(Faults[rng() % std::size(Faults)], 1,
                     static_cast<int>(1 + rng() % 32));
        ++faults;
      }
      if (std::chrono::steady_clock::now() >= nextSample) {
        samples.push_back(Take(start));
        const Sample& s = samples.back();
        const Sample& p = samples[samples.size() - 2];
        std::printf("%7.0f s  resident %6ld kB  CPU %5.2f %% of a core  requests %d\n", s.seconds,
                    s.residentKb, 100 * (s.cpuSeconds - p.cpuSeconds) / (s.seconds - p.seconds),
                    requests);
        std::fflush(stdout);
        nextSample += std::chrono::seconds(sampleSeconds);
      }
      std::this_thread::sleep_for(20ms);
    }
    // Reception off for one more sample: the threads keep their turns but
    // the line is quiet, which is the monitor's state between exchanges.
    net.rxEn_ = false;
    doc.NetOpt().SetOptions(net);
    const Sample before = Take(start);
    const auto quietEnd = std::chrono::steady_clock::now() + std::chrono::seconds(sampleSeconds);
    const int quietRequests = sim.Requests();
    while (std::chrono::steady_clock::now() < quietEnd) {
      doc.RunGuiTasks();
      doc.Forget();
      std::this_thread::sleep_for(20ms);
    }
    const Sample after = Take(start);
    quiet = {after.seconds - before.seconds, sim.Requests() - quietRequests,
             100 * (after.cpuSeconds - before.cpuSeconds) / (after.seconds - before.seconds)};
    workers.Close();
  }

  long maxKb = 0;
  double maxCpu = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    maxKb = std::max(maxKb, samples[i].residentKb);
    const double span = samples[i].seconds - samples[i - 1].seconds;
    if (span >= 1) maxCpu = std::max(maxCpu, 100 * (samples[i].cpuSeconds - samples[i - 1].cpuSeconds) / span);
  }
  const Sample& first = samples[std::min<std::size_t>(1, samples.size() - 1)];
  const Sample& last = samples.back();  // the end of the run with reception on
  std::printf("resident memory: start %ld kB (after the first sample %ld kB), end %ld kB, max %ld kB\n",
              samples.front().residentKb, first.residentKb, last.residentKb, maxKb);
  std::printf("CPU: %.2f %% of a core on average, max %.2f %% over one sample; requests %d, faults %ld\n",
              100 * (last.cpuSeconds - samples.front().cpuSeconds) / (last.seconds - samples.front().seconds), maxCpu, sim.Requests(), faults);
  std::printf("with reception off for %.0f s (%d requests): CPU %.2f %% of a core\n", quiet.seconds,
              quiet.requests, quiet.cpuPercent);
  std::filesystem::remove_all(folder);
  return 0;
}
