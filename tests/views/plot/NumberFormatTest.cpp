#include <gtest/gtest.h>

#include "tests/support/LogCapture.h"
#include "views/plot/NumberFormat.h"

using namespace PardeloStravon;

TEST(NumberFormat, SafeFormatsAreKeptAndOthersFallBackWithOneLogRecordEach) {
  const struct {
    std::wstring format;
    bool kept;
    std::wstring text;  // of 21.456
  } cases[] = {
      {L"%5.1f", true, L" 21.5"},
      {L"%.3e", true, L"2.146e+01"},
      {L"%g", true, L"21.456"},
      {L"%+08.2G", true, L"+0000021"},
      {L"%.2lf", true, L"21.46"},
      {L"T=%5.1f C", true, L"T= 21.5 C"},
      {L"100%%", true, L"100%"},
      {L"%s", false, L" 21.5"},
      {L"%n", false, L" 21.5"},
      {L"%d", false, L" 21.5"},
      {L"%Lf", false, L" 21.5"},
      {L"%*f", false, L" 21.5"},
      {L"%123f", false, L" 21.5"},
      {L"%5.123f", false, L" 21.5"},
      {L"%5.1f%5.1f", false, L" 21.5"},
      {L"%", false, L" 21.5"},
      {L"%ll5f", false, L" 21.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.format.begin(), c.format.end()));
    TestSupport::LogCapture log(ErrorLog);
    EXPECT_EQ(IsSafeNumberFormat(c.format), c.kept);
    EXPECT_EQ(CheckedNumberFormat(c.format), c.kept ? c.format : L"%5.1f");
    // Formatting again, as every drawing does, writes nothing more.
    EXPECT_EQ(FormatNumber(c.format, 21.456), c.text);
    EXPECT_EQ(FormatNumber(c.format, 21.456), c.text);
    if (c.kept) {
      EXPECT_EQ(log.Text(), L"");
    } else {
      EXPECT_EQ(log.Count(L"Refused number format \"" + c.format + L"\""), 1) << log.Text().c_str();
    }
  }
}

TEST(NumberFormat, WidestNumbersFitWithoutCutting) {
  EXPECT_EQ(FormatNumber(L"%99.99f", 1e308).size(), 409u);
  EXPECT_EQ(FormatNumber(L"%-99.99E", -1.5).size(), 106u);
}
