// The log files' size limit as the profile sets it.
#include <gtest/gtest.h>

#include <wx/fileconf.h>
#include <wx/sstream.h>

#include "app/LogProfile.h"
#include "foundation/core/RotatingLogFile.h"

using namespace PardeloStravon;

namespace {

TEST(LogProfile, TheSizeLimitIsReadInWholeMegabytes_AnUnusableValueKeepsTheDefaultWithAnErrorRecord) {
  struct Case {
    const char* profile;
    std::uintmax_t bytes;
    bool error;
  };
  const Case cases[] = {
      {"", DefaultLogSizeLimit, false},
      {"[Recent File List]\nFile1=/tmp/a.qzid\n", DefaultLogSizeLimit, false},
      {"[Logs]\nSizeLimitMB=32\n", 32u << 20, false},
      {"[Logs]\nSizeLimitMB= 1 \n", 1u << 20, false},
      {"[Logs]\nSizeLimitMB=4096\n", 4096ull << 20, false},
      {"[Logs]\nSizeLimitMB=0\n", DefaultLogSizeLimit, true},
      {"[Logs]\nSizeLimitMB=4097\n", DefaultLogSizeLimit, true},
      {"[Logs]\nSizeLimitMB=-3\n", DefaultLogSizeLimit, true},
      {"[Logs]\nSizeLimitMB=1.5\n", DefaultLogSizeLimit, true},
      {"[Logs]\nSizeLimitMB=lots\n", DefaultLogSizeLimit, true},
      {"[Logs]\nSizeLimitMB=\n", DefaultLogSizeLimit, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    wxStringInputStream in(c.profile);
    const wxFileConfig profile(in);
    const LogSizeSetting setting = LogSizeLimitFromProfile(profile);
    EXPECT_EQ(setting.bytes, c.bytes);
    EXPECT_EQ(!setting.error.empty(), c.error) << setting.error;
    if (c.error) {
      EXPECT_NE(setting.error.find(L"Error in TheApp::InitInstance(): the profile's Logs/SizeLimitMB"), std::wstring::npos);
      EXPECT_TRUE(setting.error.ends_with(L"; the log files keep to 16 MB\n"));
    }
  }
}

}  // namespace
