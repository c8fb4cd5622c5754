// The serial trace at its real bounds, under a fixed time zone and clock:
// each line begins "HH:MM:SS_ " of the program clock, holds at most 1000
// characters with that prefix, and the trace keeps the last 10000 lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>

#include "document/QziDocIStd.h"
#include "foundation/core/Clock.h"
#include "tests/support/DocumentFixture.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

class SerialTrace : public DocumentFixture {
 public:
  SerialTrace() {
    const char* tz = std::getenv("TZ");
    if (tz) oldTz_ = tz;
    hadTz_ = tz != nullptr;
    setenv("TZ", "UTC-2", 1);
    tzset();
    Make();
  }
  ~SerialTrace() override {
    if (hadTz_)
      setenv("TZ", oldTz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

  // 2023-11-14 22:13:20 UTC, two hours later on the local clock.
  TestClock clock_{1700000000};
  const std::wstring prefix_ = L"00:13:20_ ";

 private:
  std::string oldTz_;
  bool hadTz_ = false;
};

TEST_F(SerialTrace, CrLfEndsTheLineAndStartsTwoTheFirstHoldingOnlyItsPrefix) {
  EXPECT_FALSE(Std().TraceAppend(L"ab\r\ncd"));
  ASSERT_EQ(Std().TraceLineCount(), 3);
  EXPECT_EQ(Std().TraceLine(0), prefix_ + L"ab");
  EXPECT_EQ(Std().TraceLine(1), prefix_);
  EXPECT_EQ(Std().TraceLine(2), prefix_ + L"cd");
  // The prefix is the time at which its line starts.
  clock_.Advance(3661);
  Std().TraceAppend(L"e\nf");
  EXPECT_EQ(Std().TraceLine(2), prefix_ + L"cde");
  EXPECT_EQ(Std().TraceLine(3), L"01:14:21_ f");
  EXPECT_THROW(Std().TraceLine(4), std::out_of_range);
  EXPECT_THROW(Std().TraceLine(-1), std::out_of_range);
}

TEST_F(SerialTrace, LongTextWrapsAtAThousandCharactersPrefixIncluded) {
  std::wstring text;
  for (int i = 0; i < 2500; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
  EXPECT_FALSE(Std().TraceAppend(text));
  ASSERT_EQ(Std().TraceLineCount(), 3);
  const std::size_t room = 1000 - prefix_.size();
  std::wstring joined;
  for (int i = 0; i < 3; ++i) {
    const std::wstring& line = Std().TraceLine(i);
    EXPECT_EQ(line.substr(0, prefix_.size()), prefix_);
    joined += line.substr(prefix_.size());
  }
  EXPECT_EQ(Std().TraceLine(0).size(), 1000u);
  EXPECT_EQ(Std().TraceLine(1).size(), 1000u);
  EXPECT_EQ(Std().TraceLine(2).size(), prefix_.size() + 2500 - 2 * room);
  EXPECT_EQ(joined, text);
}

TEST_F(SerialTrace, TheLineAfterTheTenThousandthDropsTheOldest) {
  EXPECT_FALSE(Std().TraceAppend(L"0"));
  for (int i = 1; i < 10000; ++i) ASSERT_FALSE(Std().TraceAppend(L"\n" + std::to_wstring(i)));
  ASSERT_EQ(Std().TraceLineCount(), 10000);
  EXPECT_EQ(Std().TraceLine(0), prefix_ + L"0");
  EXPECT_TRUE(Std().TraceAppend(L"\n10000"));
  EXPECT_EQ(Std().TraceLineCount(), 10000);
  EXPECT_EQ(Std().TraceLine(0), prefix_ + L"1");
  EXPECT_EQ(Std().TraceLine(9999), prefix_ + L"10000");
  // Text that starts no line drops nothing.
  EXPECT_FALSE(Std().TraceAppend(L" more"));
  EXPECT_EQ(Std().TraceLine(9999), prefix_ + L"10000 more");
}

}  // namespace
