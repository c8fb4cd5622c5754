#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <stdexcept>

#include "foundation/core/Assert.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "tests/support/LogCapture.h"
#include "tests/support/StderrCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;

namespace {

void Check(bool ok) { ASSERT_THROW(ok, L"the check must hold"); }
void Note(bool ok) { ASSERT_LOG(ok, L"noted only"); }

// Sets TZ for one test and restores it.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* tz) {
    const char* old = std::getenv("TZ");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ZoneGuard() {
    if (had_) setenv("TZ", old_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  bool had_ = false;
  std::string old_;
};

}  // namespace

TEST(TimeStamps, AtAFixedInstant_GiveTheExactTexts) {
  ZoneGuard zone("UTC-2");  // two hours ahead of UTC
  struct Case {
    std::time_t t;
    const wchar_t* stamp;
    const wchar_t* clock;
  } cases[] = {
      {1178040000, L"1178040000 19:20:00 05/01/07", L"19:20:00"},
      {946677600, L"946677600 00:00:00 01/01/00", L"00:00:00"},   // year 2000 prints 00
      {1231034645, L"1231034645 04:04:05 01/04/09", L"04:04:05"},  // single digits zero-filled
  };
  for (const auto& c : cases) {
    TestClock clock(c.t);
    EXPECT_EQ(TimeStamp(), c.stamp);
    EXPECT_EQ(NarrowTimeStamp(), ToNarrow(c.stamp));
    EXPECT_EQ(ClockStamp(), c.clock);
  }
}

TEST(Assertions, FailingThrow_WritesTheRecordAndThrowsAPlainException) {
  ZoneGuard zone("UTC");
  TestClock clock(1178040000);
  LogCapture log(ErrorLog);
  try {
    Check(false);
    FAIL() << "no exception";
  } catch (const std::logic_error&) {
    FAIL() << "must not be a logic_error";
  } catch (const std::runtime_error&) {
    FAIL() << "must not be a runtime_error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "1178040000 17:20:00 05/01/07 - Assertion failed: the check must hold");
  }
  const std::wregex record(
      L"\\n1178040000 17:20:00 05/01/07 - Assertion failed: the check must hold"
      L" - in function void (\\{anonymous\\}|\\(anonymous namespace\\))::Check\\(bool\\)"
      L" - file .*LogAndAssertTest\\.cpp - line [0-9]+\\n");
  EXPECT_TRUE(std::regex_match(log.Text(), record)) << ToNarrow(log.Text());
}

TEST(Assertions, FailingLog_WritesOneRecordAndContinues) {
  LogCapture log(ErrorLog);
  Note(false);
  const std::wstring text = log.Text();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.front(), L'\n');
  EXPECT_EQ(text.back(), L'\n');
  EXPECT_NE(text.find(L"Assertion failed: noted only - in function"), std::wstring::npos);
}

TEST(Assertions, HoldingConditions_WriteNothing) {
  LogCapture log(ErrorLog);
  Check(true);
  Note(true);
  EXPECT_TRUE(log.Text().empty());
}

TEST(LogChannels, FreeWriters_AddNoStampOrLineEnd) {
  LogCapture err(ErrorLog), act(ActivityLog), ser(SerCommLog);
  LogError(L"e");
  LogActivity(L"a");
  LogSerComm(L"s");
  EXPECT_EQ(err.Text(), L"e");
  EXPECT_EQ(act.Text(), L"a");
  EXPECT_EQ(ser.Text(), L"s");
}

TEST(LogChannels, FilesAreUtf8_AndAnUnwritableCharacterDoesNotSilenceTheLog) {
  TestSupport::TempDir dir;
  {
    LogFiles files(dir.Wide());
    ASSERT_TRUE(files.AllOpen());
    ActivityLog << L"caf\u00E9 \u20AC";
    ActivityLog << std::wstring(1, static_cast<wchar_t>(0x110000));  // no character
    ActivityLog << L" next" << std::endl;
    ErrorLog << L"err" << std::endl;
    SerCommLog << L"ser" << std::endl;
  }
  const std::string act = TestSupport::ReadFileBytes(dir.File("QZ_Activity_Log_W.txt"));
  EXPECT_EQ(act, "caf\xC3\xA9 \xE2\x82\xAC\xEF\xBF\xBD next\n");
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("QZ_Error_Log_W.txt")), "err\n");
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("QZ_Ser_Comm_Log_W.txt")), "ser\n");
}

TEST(LogChannels, SerialChannelMovesOnlyInItsOwnStep) {
  TestSupport::TempDir dir;
  LogCapture ser(SerCommLog);
  {
    LogFiles files;
    files.RedirectErrorAndActivity(dir.Wide());
    SerCommLog << L"before" << std::endl;
    files.RedirectSerComm(dir.Wide());
    SerCommLog << L"after" << std::endl;
  }
  EXPECT_EQ(ser.Text(), L"before\n");
  EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("QZ_Ser_Comm_Log_W.txt")), "after\n");
  // Given back: later records reach the former stream again.
  SerCommLog << L"later" << std::endl;
  EXPECT_EQ(ser.Text(), L"before\nlater\n");
}

TEST(LogChannels, AFileThatCannotBeOpened_KeepsItsChannelOnItsFormerStream_AndIsNamedOnce) {
  struct Case {
    const char* blocked;
    int channel;  // 0 error, 1 activity, 2 serial
  };
  const Case cases[] = {{"QZ_Error_Log_W.txt", 0}, {"QZ_Activity_Log_W.txt", 1}, {"QZ_Ser_Comm_Log_W.txt", 2}};
  const char* names[] = {"QZ_Error_Log_W.txt", "QZ_Activity_Log_W.txt", "QZ_Ser_Comm_Log_W.txt"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocked);
    TestSupport::TempDir dir;
    // A folder in the file's place: opening fails even for root.
    std::filesystem::create_directory(dir.File(c.blocked));
    LogCapture err(ErrorLog), act(ActivityLog), ser(SerCommLog);
    LogCapture* captures[] = {&err, &act, &ser};
    LogChannel* channels[] = {&ErrorLog, &ActivityLog, &SerCommLog};
    TestSupport::StderrCapture stderrText;
    {
      LogFiles files;
      files.RedirectErrorAndActivity(dir.Wide());
      files.RedirectSerComm(dir.Wide());
      EXPECT_FALSE(files.AllOpen());
      for (LogChannel* channel : channels) *channel << L"record" << std::endl;
    }
    EXPECT_EQ(stderrText.Count(c.blocked), 1) << stderrText.Text();
    for (int i = 0; i < 3; ++i) {
      if (i == c.channel) {
        EXPECT_EQ(captures[i]->Text(), L"record\n");
      } else {
        EXPECT_EQ(captures[i]->Text(), L"");
        EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(names[i])), "record\n");
      }
    }
  }
}

TEST(LogChannels, ARecordIsInItsFileOnceWritten) {
  TestSupport::TempDir dir;
  LogFiles files(dir.Wide());
  const struct {
    LogChannel* channel;
    const char* file;
  } cases[] = {{&ErrorLog, "QZ_Error_Log_W.txt"}, {&ActivityLog, "QZ_Activity_Log_W.txt"},
               {&SerCommLog, "QZ_Ser_Comm_Log_W.txt"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    *c.channel << L"\nrecord caf\u00E9";
    EXPECT_EQ(TestSupport::ReadFileBytes(dir.File(c.file)), "\nrecord caf\xC3\xA9");
  }
}
