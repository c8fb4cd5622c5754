#pragma once
// The log files' size limit as the profile sets it: the key SizeLimitMB of
// the group [Logs] in ~/.Vantor4, whole megabytes.
#include <cstdint>
#include <string>

class wxConfigBase;

namespace PardeloStravon {

inline constexpr long LogSizeLimitMinMB = 1;
inline constexpr long LogSizeLimitMaxMB = 4096;

struct LogSizeSetting {
  std::uintmax_t bytes;
  // Empty, or the error record of a value that cannot be taken (the
  // default then holds).
  std::wstring error;
};

LogSizeSetting LogSizeLimitFromProfile(const wxConfigBase& profile);

}  // namespace PardeloStravon
