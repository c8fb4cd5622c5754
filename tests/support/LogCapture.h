#pragma once
// Catches what one log channel writes while it lives.
#include <sstream>
#include <string>

#include "foundation/LogChannel.h"

namespace TestSupport {

class LogCapture {
 public:
  explicit LogCapture(PardeloStravon::LogChannel& channel)
      : channel_(channel), old_(channel.Stream().rdbuf(&buf_)) {}
  ~LogCapture() { channel_.Stream().rdbuf(old_); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::wstring Text() const { return buf_.str(); }
  void Clear() { buf_.str(L""); }

 private:
  PardeloStravon::LogChannel& channel_;
  std::wstringbuf buf_;
  std::wstreambuf* old_;
};

}  // namespace TestSupport
