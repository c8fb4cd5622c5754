#include "foundation/core/LogFiles.h"

#include <unistd.h>

#include <iostream>
#include <mutex>
#include <string_view>

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/RepeatCollapse.h"
#include "foundation/core/RotatingLogFile.h"

namespace PardeloStravon {
namespace {

// Straight to the descriptor: the standard error stream may already carry
// wide output, and a narrow write through it would be lost.
void TellStandardError(const std::string& line) {
  const char* p = line.data();
  size_t left = line.size();
  while (left > 0) {
    const ssize_t n = ::write(2, p, left);
    if (n <= 0) return;
    p += n;
    left -= static_cast<size_t>(n);
  }
}

// Between a channel's stream and its file: repeated lines collapse, the
// file keeps to its size, and what is written reaches the file at once.
// Its own lock, because the tick and the close come from other threads
// than the channel's writers.
class LogFileBuf : public std::wstreambuf {
 public:
  bool Open(const std::string& path, std::uintmax_t limit) { return file_.Open(path, limit); }

  void Tick() {
    std::lock_guard<std::mutex> lock(m_);
    collapse_.Tick(Now());
  }

  void Close() {
    std::lock_guard<std::mutex> lock(m_);
    collapse_.Close(Now());
    file_.Close();
  }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const wchar_t ch = traits_type::to_char_type(c);
    Put(std::wstring_view(&ch, 1));
    return c;
  }
  std::streamsize xsputn(const wchar_t* s, std::streamsize n) override {
    Put(std::wstring_view(s, static_cast<std::size_t>(n)));
    return n;
  }

 private:
  void Put(std::wstring_view text) {
    std::lock_guard<std::mutex> lock(m_);
    collapse_.Put(text, Now());
  }

  std::mutex m_;
  RotatingLogFile file_;
  RepeatCollapse collapse_{[this](std::wstring_view text) { file_.Write(text); }};
};

struct Redirection {
  LogFileBuf file;
  std::wostream* stream = nullptr;
  std::wstreambuf* former = nullptr;

  // Whether the file opened; the channel moves only then.
  bool Move(std::wostream& channel, const std::wstring& folder, const std::wstring& name, std::uintmax_t limit) {
    if (stream) return true;
    const std::string path = NativePath(JoinPath(folder, name));
    if (!file.Open(path, limit)) {
      TellStandardError("Cannot open the log file " + path + "; its records stay on the standard stream.\n");
      return false;
    }
    channel.flush();
    stream = &channel;
    former = channel.rdbuf(&file);
    return true;
  }

  void GiveBack() {
    if (!stream) return;
    stream->flush();
    stream->rdbuf(former);
    stream = nullptr;
    file.Close();
  }

  void Tick() { file.Tick(); }
};

}  // namespace

struct LogFiles::Impl {
  Redirection err, act, ser;
  bool allOpen = true;
  std::uintmax_t sizeLimit = DefaultLogSizeLimit;
};

LogFiles::LogFiles() : impl_(new Impl) {}

LogFiles::LogFiles(const std::wstring& folder, std::uintmax_t sizeLimit) : LogFiles() {
  SetSizeLimit(sizeLimit);
  RedirectErrorAndActivity(folder);
  RedirectSerComm(folder);
}

LogFiles::~LogFiles() {
  Flush();
  // The channels get their former buffers back before the file buffers go.
  impl_->ser.GiveBack();
  impl_->act.GiveBack();
  impl_->err.GiveBack();
}

void LogFiles::RedirectErrorAndActivity(const std::wstring& folder) {
  if (!impl_->err.Move(std::wcerr, folder, ErrorLogFileName, impl_->sizeLimit)) impl_->allOpen = false;
  if (!impl_->act.Move(std::wcout, folder, ActivityLogFileName, impl_->sizeLimit)) impl_->allOpen = false;
}

void LogFiles::RedirectSerComm(const std::wstring& folder) {
  if (!impl_->ser.Move(SerCommStream(), folder, SerCommLogFileName, impl_->sizeLimit)) impl_->allOpen = false;
}

void LogFiles::SetSizeLimit(std::uintmax_t bytes) { impl_->sizeLimit = bytes; }

void LogFiles::Tick() {
  impl_->err.Tick();
  impl_->act.Tick();
  impl_->ser.Tick();
}

bool LogFiles::AllOpen() const { return impl_->allOpen; }

void LogFiles::Flush() {
  ErrorLog << std::flush;
  ActivityLog << std::flush;
  SerCommLog << std::flush;
}

}  // namespace PardeloStravon
