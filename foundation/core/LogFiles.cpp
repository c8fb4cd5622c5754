#include "foundation/core/LogFiles.h"

#include <fstream>
#include <iostream>

#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

namespace PardeloStravon {

struct LogFiles::Impl {
  std::wfilebuf err, act, ser;
  std::wstreambuf* oldErr = nullptr;
  std::wstreambuf* oldAct = nullptr;
  std::wstreambuf* oldSer = nullptr;
  bool allOpen = true;

  void Open(std::wfilebuf& buf, const std::wstring& folder, const std::wstring& name) {
    buf.pubimbue(Utf8Locale());
    if (!buf.open(NativePath(JoinPath(folder, name)), std::ios::out | std::ios::app)) allOpen = false;
  }
};

LogFiles::LogFiles(const std::wstring& folder) : impl_(new Impl) {
  impl_->Open(impl_->err, folder, ErrorLogFileName);
  impl_->Open(impl_->act, folder, ActivityLogFileName);
  impl_->Open(impl_->ser, folder, SerCommLogFileName);
  impl_->oldErr = std::wcerr.rdbuf(&impl_->err);
  impl_->oldAct = std::wcout.rdbuf(&impl_->act);
  impl_->oldSer = SerCommStream().rdbuf(&impl_->ser);
}

LogFiles::~LogFiles() {
  Flush();
  std::wcerr.rdbuf(impl_->oldErr);
  std::wcout.rdbuf(impl_->oldAct);
  SerCommStream().rdbuf(impl_->oldSer);
}

bool LogFiles::AllOpen() const { return impl_->allOpen; }

void LogFiles::Flush() {
  ErrorLog << std::flush;
  ActivityLog << std::flush;
  SerCommLog << std::flush;
}

}  // namespace PardeloStravon
