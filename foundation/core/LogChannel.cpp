#include "foundation/core/LogChannel.h"

#include <cstdint>
#include <iostream>

namespace PardeloStravon {
namespace {

// A value that is no character would poison a UTF-8 file buffer: the
// pending text could never be converted and the log would stay silent.
std::wstring Writable(std::wstring text) {
  for (wchar_t& c : text) {
    const auto u = static_cast<std::uint32_t>(c);
    if ((u >= 0xD800 && u <= 0xDFFF) || u > 0x10FFFF) c = static_cast<wchar_t>(0xFFFD);
  }
  return text;
}

}  // namespace

LogChannel::LogChannel(std::wostream& os) : os_(&os) {}

template <typename F>
LogChannel& LogChannel::Insert(F&& f) {
  boost::mutex::scoped_lock lock(m_);
  // A record the file's encoding refused must not silence the log for good.
  if (!os_->good()) os_->clear();
  f(*os_);
  return *this;
}

LogChannel& LogChannel::operator<<(std::wstring text) {
  text = Writable(std::move(text));
  return Insert([&](std::wostream& os) { os << text; });
}

LogChannel& LogChannel::operator<<(const wchar_t* text) {
  return *this << std::wstring(text ? text : L"");
}

LogChannel& LogChannel::operator<<(const char* text) {
  std::wstring wide;
  for (const char* p = text ? text : ""; *p; ++p) wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  return Insert([&](std::wostream& os) { os << wide; });
}

LogChannel& LogChannel::operator<<(int n) {
  return Insert([&](std::wostream& os) { os << n; });
}

LogChannel& LogChannel::operator<<(std::wostream& (*manip)(std::wostream&)) {
  return Insert([&](std::wostream& os) { os << manip; });
}

// Built in this order during static initialisation; the serial stream takes
// the standard wide output's buffer as it is at that moment.
LogChannel ActivityLog(std::wcout);
LogChannel ErrorLog(std::wcerr);

std::wostream& SerCommStream() {
  static std::wostream stream(std::wcout.rdbuf());
  return stream;
}

LogChannel SerCommLog(SerCommStream());

void LogActivity(const std::wstring& text) { ActivityLog << text; }
void LogError(const std::wstring& text) { ErrorLog << text; }
void LogSerComm(const std::wstring& text) { SerCommLog << text; }

const std::wstring ErrorLogFileName = L"QZ_Error_Log_W.txt";
const std::wstring ActivityLogFileName = L"QZ_Activity_Log_W.txt";
const std::wstring SerCommLogFileName = L"QZ_Ser_Comm_Log_W.txt";
const std::wstring MasterLogPrefix = L"QZ_Master_Log_";
const std::wstring MasterLogSuffix = L".txt";

}  // namespace PardeloStravon
