#include "foundation/core/LogFiles.h"

#include <unistd.h>

#include <fstream>
#include <iostream>

#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

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

// Passes every insertion to the file and writes it out at once: a record
// is on disk once written, also when the process is killed a moment later,
// at one write per insertion.
class RecordFlushBuf : public std::wstreambuf {
 public:
  explicit RecordFlushBuf(std::wfilebuf& file) : file_(file) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? traits_type::not_eof(c) : c;
    if (traits_type::eq_int_type(file_.sputc(traits_type::to_char_type(c)), traits_type::eof()))
      return traits_type::eof();
    file_.pubsync();
    return c;
  }
  std::streamsize xsputn(const wchar_t* s, std::streamsize n) override {
    const std::streamsize written = file_.sputn(s, n);
    file_.pubsync();
    return written;
  }
  int sync() override { return file_.pubsync(); }

 private:
  std::wfilebuf& file_;
};

struct Redirection {
  std::wfilebuf file;
  RecordFlushBuf flushing{file};
  std::wostream* stream = nullptr;
  std::wstreambuf* former = nullptr;

  // Whether the file opened; the channel moves only then.
  bool Move(std::wostream& channel, const std::wstring& folder, const std::wstring& name) {
    if (stream) return true;
    const std::string path = NativePath(JoinPath(folder, name));
    file.pubimbue(Utf8Locale());
    if (!file.open(path, std::ios::out | std::ios::app)) {
      TellStandardError("Cannot open the log file " + path + "; its records stay on the standard stream.\n");
      return false;
    }
    channel.flush();
    file.pubsync();
    stream = &channel;
    former = channel.rdbuf(&flushing);
    return true;
  }

  void GiveBack() {
    if (!stream) return;
    stream->flush();
    stream->rdbuf(former);
    stream = nullptr;
  }
};

}  // namespace

struct LogFiles::Impl {
  Redirection err, act, ser;
  bool allOpen = true;
};

LogFiles::LogFiles() : impl_(new Impl) {}

LogFiles::LogFiles(const std::wstring& folder) : LogFiles() {
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
  if (!impl_->err.Move(std::wcerr, folder, ErrorLogFileName)) impl_->allOpen = false;
  if (!impl_->act.Move(std::wcout, folder, ActivityLogFileName)) impl_->allOpen = false;
}

void LogFiles::RedirectSerComm(const std::wstring& folder) {
  if (!impl_->ser.Move(SerCommStream(), folder, SerCommLogFileName)) impl_->allOpen = false;
}

bool LogFiles::AllOpen() const { return impl_->allOpen; }

void LogFiles::Flush() {
  ErrorLog << std::flush;
  ActivityLog << std::flush;
  SerCommLog << std::flush;
}

}  // namespace PardeloStravon
