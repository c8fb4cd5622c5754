// Repeated records in the log files: counted within a minute, the count
// written once, nothing lost at the close.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/RepeatCollapse.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;

namespace {

constexpr std::time_t T0 = 1178040000;

// The time stamp `k` seconds after T0, as the files hold it.
std::string S(long k) { return NarrowTimeStampAt(T0 + k); }
std::wstring W(long k) { return ToWide(S(k)); }

const std::string Failure = " Impossible to open serial port.";
std::string Count(long at, const std::string& text, long n) {
  return S(at) + " \"" + text + "\" repeated " + std::to_string(n) + (n == 1 ? " time\n" : " times\n");
}

enum Log { error, activity, tick };

struct Step {
  Log log;
  long at;  // seconds after T0
  std::wstring text;
};

struct Case {
  const char* name;
  std::vector<Step> steps;
  long closeAt;
  std::string errorFile;
  std::string activityFile;
};

// An error record as the serial layer writes it: stamped, ending its line.
Step E(long at, const std::wstring& text = L" Impossible to open serial port.") {
  return {error, at, W(at) + text + L"\n"};
}
// An activity record: a line break first, then the stamped text.
Step A(long at, const std::wstring& text) { return {activity, at, L"\n" + W(at) + L" " + text}; }
Step Tick(long at) { return {tick, at, L""}; }

TEST(LogRepeats, RecordSequences_WriteExactlyTheseLines) {
  const Case cases[] = {
      {"equal records inside the minute, then a different one",
       {E(0), E(1), E(2), E(3, L" Error in SerialThread(LPVOID pParam)")},
       3,
       S(0) + Failure + "\n" + Count(3, "Impossible to open serial port.", 2) + S(3) +
           " Error in SerialThread(LPVOID pParam)\n",
       ""},
      {"a different record between equal ones: every record written",
       {E(0), E(1, L" other"), E(2)},
       2,
       S(0) + Failure + "\n" + S(1) + " other\n" + S(2) + Failure + "\n",
       ""},
      {"the minute's end writes the count, with no further record; the next minute counts afresh",
       {E(0), E(10), E(59), Tick(59), Tick(60), E(70), Tick(119), Tick(120), Tick(300)},
       300,
       S(0) + Failure + "\n" + Count(60, "Impossible to open serial port.", 2) +
           Count(120, "Impossible to open serial port.", 1),
       ""},
      {"across the minute without a tick: the next record writes the count first",
       {E(0), E(30), E(65)},
       65,
       S(0) + Failure + "\n" + Count(65, "Impossible to open serial port.", 1) +
           Count(65, "Impossible to open serial port.", 1),
       ""},
      {"a minute of quiet ends the run: the next equal record is written at once",
       {E(0), E(60), E(200), E(201)},
       201,
       S(0) + Failure + "\n" + S(60) + Failure + "\n" + S(200) + Failure + "\n" +
           Count(201, "Impossible to open serial port.", 1),
       ""},
      {"two logs interleaved collapse each on its own",
       {E(0), A(0, L"Opening"), E(1), A(1, L"Opening"), E(2), A(2, L"Closing"), E(3, L" other")},
       3,
       S(0) + Failure + "\n" + Count(3, "Impossible to open serial port.", 2) + S(3) + " other\n",
       "\n" + S(0) + " Opening\n" + Count(2, "Opening", 1) + S(2) + " Closing"},
      {"activity records, each ended by the next one's line break",
       {A(0, L"Loading"), A(1, L"Loading"), A(2, L"Loading"), A(3, L"Other")},
       3,
       "",
       "\n" + S(0) + " Loading\n" + Count(3, "Loading", 2) + S(3) + " Other"},
      {"a record held as a possible repeat goes out after a minute without its line end",
       {A(0, L"Loading"), A(1, L"Loading"), Tick(60), Tick(61)},
       61,
       "",
       "\n" + S(0) + " Loading\n" + S(1) + " Loading"},
      {"records differing only in their time stamp, written in pieces",
       {{error, 0, W(0)}, {error, 0, L" Watch dog: stuck"}, {error, 0, L"\n"}, {error, 4, W(4)},
        {error, 4, L" Watch dog: stuck"}, {error, 4, L"\n"}},
       9,
       S(0) + " Watch dog: stuck\n" + Count(9, "Watch dog: stuck", 1),
       ""},
      {"a clock set back ends the minute: the count and the record are written",
       {E(0), E(1), E(-3600)},
       -3600,
       S(0) + Failure + "\n" + Count(-3600, "Impossible to open serial port.", 1) + S(-3600) + Failure + "\n",
       ""},
      {"blank lines before a repeat go with it",
       {E(0), {error, 1, L"\n\n" + W(1) + L" Impossible to open serial port.\n"}, E(2, L" other")},
       2,
       S(0) + Failure + "\n" + Count(2, "Impossible to open serial port.", 1) + S(2) + " other\n",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSupport::TempDir dir;
    TestClock clock(T0);
    {
      LogFiles files(dir.Wide());
      for (const Step& step : c.steps) {
        clock.Set(T0 + step.at);
        if (step.log == tick)
          files.Tick();
        else
          (step.log == error ? ErrorLog : ActivityLog) << step.text;
      }
      clock.Set(T0 + c.closeAt);
    }
    EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("QZ_Error_Log_W.txt")), c.errorFile);
    EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("QZ_Activity_Log_W.txt")), c.activityFile);
  }
}

TEST(LogRepeats, TheFirstFailureIsInTheFileAtOnce_ItsRepeatsOnlyAsACountAtTheMinutesEnd) {
  TestSupport::TempDir dir;
  TestClock clock(T0);
  LogFiles files(dir.Wide());
  const std::string file = "QZ_Activity_Log_W.txt";
  const std::string first = S(0) + Failure + "\n";
  ActivityLog << (W(0) + L" Impossible to open serial port.\n");
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(file)), first);
  for (long at = 1; at < 60; ++at) {
    clock.Set(T0 + at);
    ActivityLog << (W(at) + L" Impossible to open serial port.\n");
    files.Tick();
  }
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(file)), first);
  clock.Set(T0 + 60);
  files.Tick();
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(file)), first + Count(60, "Impossible to open serial port.", 59));
}

TEST(LogRepeats, TheCloseWritesThePendingCountOfEachLog) {
  TestSupport::TempDir dir;
  TestClock clock(T0);
  {
    LogFiles files(dir.Wide());
    for (LogChannel* channel : {&ErrorLog, &ActivityLog, &SerCommLog}) {
      for (long at = 0; at < 3; ++at) {
        clock.Set(T0 + at);
        *channel << L" :0A0000 wanted by PC :0A0001 received by micro\n";
      }
    }
    clock.Set(T0 + 5);
  }
  const std::string expected = " :0A0000 wanted by PC :0A0001 received by micro\n" +
                               Count(5, ":0A0000 wanted by PC :0A0001 received by micro", 2);
  for (const char* name : {"QZ_Error_Log_W.txt", "QZ_Activity_Log_W.txt", "QZ_Ser_Comm_Log_W.txt"})
    EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(name)), expected) << name;
}

TEST(LogRepeats, LinesPastTheComparedLength_PassUncounted) {
  std::wstring written;
  RepeatCollapse collapse([&written](std::wstring_view text) { written += text; });
  const std::wstring longLine(5000, L'x');
  collapse.Put(longLine + L"\n", T0);
  collapse.Put(longLine + L"\n", T0 + 1);
  collapse.Close(T0 + 2);
  EXPECT_EQ(written, longLine + L"\n" + longLine + L"\n");
}

}  // namespace
