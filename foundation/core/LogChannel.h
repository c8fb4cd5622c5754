#pragma once
// The three logs of the program. A channel serialises single insertions only:
// records written by several threads at once may interleave piece by piece.
#include <boost/thread/mutex.hpp>
#include <ostream>
#include <string>

namespace PardeloStravon {

class LogChannel {
 public:
  explicit LogChannel(std::wostream& os);
  LogChannel(const LogChannel&) = delete;
  LogChannel& operator=(const LogChannel&) = delete;

  LogChannel& operator<<(std::wstring text);
  LogChannel& operator<<(const wchar_t* text);
  // Narrow text (function signatures, source file names) is widened as Latin-1.
  LogChannel& operator<<(const char* text);
  LogChannel& operator<<(int n);
  LogChannel& operator<<(std::wostream& (*manip)(std::wostream&));

  std::wostream& Stream() { return *os_; }

 private:
  template <typename F>
  LogChannel& Insert(F&& f);

  std::wostream* os_;
  boost::mutex m_;
};

extern LogChannel ErrorLog;
extern LogChannel ActivityLog;
extern LogChannel SerCommLog;

// The serial log's own stream; its buffer is replaced when the logs are
// redirected to files.
std::wostream& SerCommStream();

void LogActivity(const std::wstring& text);
void LogError(const std::wstring& text);
void LogSerComm(const std::wstring& text);

extern const std::wstring ErrorLogFileName;     // "QZ_Error_Log_W.txt"
extern const std::wstring ActivityLogFileName;  // "QZ_Activity_Log_W.txt"
extern const std::wstring SerCommLogFileName;   // "QZ_Ser_Comm_Log_W.txt"
extern const std::wstring MasterLogPrefix;      // "QZ_Master_Log_"
extern const std::wstring MasterLogSuffix;      // ".txt"

}  // namespace PardeloStravon
