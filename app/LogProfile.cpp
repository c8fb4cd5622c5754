#include "app/LogProfile.h"

#include <wx/confbase.h>

#include "foundation/core/RotatingLogFile.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {
namespace {

const wxString SizeLimitKey = "/Logs/SizeLimitMB";

}  // namespace

LogSizeSetting LogSizeLimitFromProfile(const wxConfigBase& profile) {
  wxString text;
  if (!profile.Read(SizeLimitKey, &text)) return {DefaultLogSizeLimit, {}};
  long mb = 0;
  const wxString trimmed = wxString(text).Trim(true).Trim(false);
  if (trimmed.ToLong(&mb) && mb >= LogSizeLimitMinMB && mb <= LogSizeLimitMaxMB)
    return {static_cast<std::uintmax_t>(mb) << 20, {}};
  return {DefaultLogSizeLimit,
          TimeStamp() + L" Error in TheApp::InitInstance(): the profile's Logs/SizeLimitMB \"" +
              text.ToStdWstring() + L"\" is no whole number of megabytes from " +
              std::to_wstring(LogSizeLimitMinMB) + L" to " + std::to_wstring(LogSizeLimitMaxMB) +
              L"; the log files keep to " + std::to_wstring(DefaultLogSizeLimit >> 20) + L" MB\n"};
}

}  // namespace PardeloStravon
