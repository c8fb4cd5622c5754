// The document's content made, started and shut down many times in quick
// succession: afterwards no thread is left, the port can be opened again,
// no task runs and the serial trace sink points nowhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/QziDocIStd.h"
#include "foundation/core/TextConv.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/TroubleshootHook.h"
#include "tests/support/RunningDocument.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

int ThreadCount() {
  int n = 0;
  for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
    ++n;
  return n;
}

enum class End { shutDown, destroyed, replaced };

struct LifetimeCase {
  const char* name;
  bool start;
  std::chrono::milliseconds run;  // how long the GUI thread plays before the end
  End end;
};

const LifetimeCase lifetimeCases[] = {
    {"shutdown right after the start", true, 0ms, End::shutDown},
    {"running, then shut down", true, 600ms, End::shutDown},
    {"never started, shut down", false, 0ms, End::shutDown},
    {"never started, destroyed", false, 0ms, End::destroyed},
    {"started, destroyed without a shutdown", true, 300ms, End::destroyed},
    {"destroyed right after the start", true, 0ms, End::destroyed},
    {"running, replaced by new content", true, 300ms, End::replaced},
};

class Lifetime : public RunningDocument {};

TEST_F(Lifetime, ManyCyclesLeaveNothingRunningOrBound) {
  const int baseline = ThreadCount();
  const InstrPars pars = ReadablePars(InstrByCode(L"TC100").Pars());
  const auto sink = TroubleshootHook(nullptr, nullptr, false);
  for (int round = 0; round < 3; ++round)
    for (const LifetimeCase& c : lifetimeCases) {
      SCOPED_TRACE(std::string(c.name) + ", round " + std::to_string(round));
      MakeNetwork();
      AddInstrument(1, L"TC100");
      Net().SetTroubleshootSerial(true);
      if (c.start) Std().StartThreads();
      if (c.run > 0ms) RunGuiFor(c.run);
      bool lateTaskRan = false;
      if (c.end == End::shutDown) {
        Std().ShutDown();
        EXPECT_TRUE(Std().IsStopped());
        EXPECT_TRUE(Std().IsClosing());
        const int commands = shell_.commands_;
        (*sink)(SerComm::atNotice, L"after the shutdown");
        EXPECT_EQ(shell_.commands_, commands) << "the trace sink still points here";
        Std().PostToGui([&lateTaskRan] { lateTaskRan = true; });
        EXPECT_FALSE(Std().RunGuiTasks());
        Std().ShutDown();  // a second time: nothing
      }
      if (c.end == End::replaced) Make();  // the old content goes first
      content_.reset();
      EXPECT_FALSE(lateTaskRan);
      EXPECT_EQ(ThreadCount(), baseline);
      (*sink)(SerComm::atNotice, L"after the end");  // must touch nothing of the content
      InstrParValues values = DefaultValues(pars);
      EXPECT_TRUE(ReceiveReadings(1, pars, values, nullptr)) << "the port is still held";
    }
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
}

}  // namespace
