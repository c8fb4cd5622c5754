// Local date-time texts: the buffer grows instead of cutting, an empty
// result stays empty, and line breaks become blanks only when asked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "foundation/core/TimeFormat.h"

using PardeloStravon::FormatLocalTime;

namespace {

class TimeFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    if (tz) saved_ = tz, hadTz_ = true;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (hadTz_) setenv("TZ", saved_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::string saved_;
  bool hadTz_ = false;
};

// 1 May 2007 17:20:00 UTC.
constexpr std::time_t Instant = 1178040000;

TEST_F(TimeFormat, Cases) {
  struct Case {
    const wchar_t* format;
    bool blanks;
    std::wstring expected;
  };
  const std::wstring longFormat(300, L'x');
  const Case cases[] = {
      {L"%d/%m/%y %H:%M", false, L"01/05/07 17:20"},
      {L"%d/%m/%y\n%H:%M", false, L"01/05/07\n17:20"},
      {L"%d/%m/%y\n%H:%M", true, L"01/05/07 17:20"},
      {L"", false, L""},
      {L"%p", false, L"PM"},
      {longFormat.c_str(), false, longFormat},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    EXPECT_EQ(FormatLocalTime(Instant, c.format, c.blanks), c.expected);
  }
}

TEST_F(TimeFormat, TextFarLongerThanTheFirstBufferIsNeverCut) {
  std::wstring format;
  for (int i = 0; i < 200; ++i) format += L"%Y-%m-%d %H:%M:%S|";
  const std::wstring text = FormatLocalTime(Instant, format, false);
  std::wstring expected;
  for (int i = 0; i < 200; ++i) expected += L"2007-05-01 17:20:00|";
  EXPECT_EQ(text, expected);
}

}  // namespace
