#include "document/QziDocIStd.h"

#include "document/QziDocF.h"
#include "document/QziDocIStdImpl.h"
#include "document/ShellServices.h"
#include "document/ViewServices.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/Assert.h"
#include "foundation/core/TimeStamp.h"
#include "network/serial/TroubleshootHook.h"
#include "network/threads/SerialExecutor.h"

namespace PardeloStravon {

namespace {
constexpr unsigned TraceMaxLines = 10000;
constexpr unsigned TraceMaxLength = 1000;
}  // namespace

std::wstring TraceTimePrefix() { return ClockStamp() + L"_ "; }

QziDocIStd::Impl::Impl(QziDocIStd* owner, QziDocF* pF, const ThreadTimings& timings)
    : lng_(CurrentLanguage()),
      pF_(pF),
      guiTasks_(new GuiTaskQueue(StandardQueueLockTime, StandardQueueMaxSize)),
      serTrace_(new TextLineBuffer(TraceMaxLines, TraceMaxLength, &TraceTimePrefix)),
      netOpt_(new InstrNetOpt(owner)),
      owner_(owner),
      timings_(timings) {}

QziDocIStd::Impl::~Impl() = default;

QziDocIStd::QziDocIStd(QziDocF* pF, const ThreadTimings& timings)
    : pImpl_(new Impl(this, pF, timings)) {}

QziDocIStd::~QziDocIStd() { ShutDown(); }

QziDocF* QziDocIStd::GetF() const { return pImpl_->pF_; }

bool QziDocIStd::IsModified() const { return pImpl_->modified_; }
void QziDocIStd::SetModified(bool modified) { pImpl_->modified_ = modified; }

bool QziDocIStd::IsUserLogged() const { return pImpl_->userLogged_; }
bool QziDocIStd::IsSupLogged() const { return pImpl_->supLogged_; }
void QziDocIStd::SetUserLogged(bool logged) { pImpl_->userLogged_ = logged; }
void QziDocIStd::SetSupLogged(bool logged) { pImpl_->supLogged_ = logged; }

std::size_t QziDocIStd::GetLanguage() const { return pImpl_->lng_; }

void QziDocIStd::SetLanguage(std::size_t language) {
  SetModified(true);
  pImpl_->lng_ = language;
  ApplyLanguage();
  EmitDocSignal(0, dsLanguage);
}

void QziDocIStd::ApplyLanguage() {
  SetCurrentLanguage(pImpl_->lng_);
  Shell().ApplyAppStrings();
}

std::wstring QziDocIStd::GetPass() const { return pImpl_->pass_; }
std::wstring QziDocIStd::GetPassSup() const { return pImpl_->passSup_; }

void QziDocIStd::SetPass(const std::wstring& pass) {
  SetModified(true);
  pImpl_->pass_ = pass;
}

void QziDocIStd::SetPassSup(const std::wstring& pass) {
  SetModified(true);
  pImpl_->passSup_ = pass;
}

bool QziDocIStd::CheckPass() { return Views().CheckPassword(pImpl_->pass_); }
bool QziDocIStd::CheckPassSup() { return Views().CheckPassword(pImpl_->passSup_); }

int QziDocIStd::GetPrgRows() const { return pImpl_->prgRows_; }
void QziDocIStd::SetPrgRows(int rows) { pImpl_->prgRows_ = rows; }
bool QziDocIStd::GetTmDhms() const { return pImpl_->tm_dhms_; }
void QziDocIStd::SetTmDhms(bool dhms) { pImpl_->tm_dhms_ = dhms; }

InstrNetOpt& QziDocIStd::NetOpt() { return *pImpl_->netOpt_; }
const InstrNetOpt& QziDocIStd::NetOpt() const { return *pImpl_->netOpt_; }

bool QziDocIStd::IsStopped() const { return pImpl_->stop_.load(); }
bool QziDocIStd::IsClosing() const { return pImpl_->closing_.load(); }
bool QziDocIStd::IsExecRestart() const { return pImpl_->execRestart_.load(); }
bool QziDocIStd::SetExecRestart(bool restart) { return pImpl_->execRestart_.exchange(restart); }

void QziDocIStd::PostToGui(const GuiTask& task) {
  // A completion an abandoned executor still posts must not land: the
  // watchdog has given its work up.
  if (ThisThreadRetired()) return;
  ShellServices& shell = Shell();
  if (!shell.HasMainWindow()) {
    pImpl_->drops_.Dropped(L"no main window");
    return;
  }
  if (pImpl_->guiTasks_->push(task))
    pImpl_->drops_.Kept();
  else
    pImpl_->drops_.Dropped(L"queue full");
  shell.PostRunGuiTasks();
}

bool QziDocIStd::RunGuiTasks() {
  // After the shutdown the queue only waits to be discarded.
  if (pImpl_->shutDown_) return false;
  return RunAll(*pImpl_->guiTasks_);
}

NetPauseGuard QziDocIStd::PauseNet() { return NetPauseGuard(pImpl_.get()); }

bool QziDocIStd::TraceAppend(const std::wstring& text) { return pImpl_->serTrace_->Append(text); }

int QziDocIStd::TraceLineCount() const { return static_cast<int>(pImpl_->serTrace_->Count()); }

std::uint64_t QziDocIStd::TraceDiscardedCount() const { return pImpl_->serTrace_->Discarded(); }

const std::wstring& QziDocIStd::TraceLine(int i) const {
  if (i < 0) throw std::out_of_range("In QziDocIStd::TraceLine: negative line");
  return pImpl_->serTrace_->Line(static_cast<std::size_t>(i));
}

std::wstring QziDocIStd::DocPathName() const {
  std::lock_guard<std::mutex> lock(pImpl_->pathMutex_);
  return pImpl_->path_;
}

void QziDocIStd::SetDocPath(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(pImpl_->pathMutex_);
  pImpl_->path_ = path;
}

void QziDocIStd::NewGraphic(int address, std::time_t from, std::time_t to, bool follow,
                            bool print) {
  Views().NewGraphic(GetF()->GetDoc(), address, from, to, follow, print);
}

bool QziDocIStd::PrintGraphic(int address, std::time_t from, std::time_t to) {
  WaitCursor wait;
  return Views().PrintGraphic(GetF()->GetDoc(), address, from, to);
}

void QziDocIStd::OpenSettingsForm(int address) {
  Views().OpenSettingsForm(GetF()->GetDoc(), address);
}

void QziDocIStd::ShowMessageBox(const std::wstring& text) { Shell().ShowMessageBox(text); }

void QziDocIStd::SetClosing(bool closing) { pImpl_->closing_ = closing; }
void QziDocIStd::SetStopped() { pImpl_->stop_ = true; }

void QziDocIStd::StartThreads() {
  Impl& d = *pImpl_;
  ASSERT_THROW(!d.shutDown_, L"Worker threads started after the shutdown!");
  ASSERT_THROW(!d.threads_, L"Worker threads started twice!");
  d.threads_.reset(new WorkerThreads(*this, *this, d.timings_));
}

bool QziDocIStd::ThreadsStarted() const { return pImpl_->threads_ != nullptr; }

void QziDocIStd::ShutDown() {
  Impl& d = *pImpl_;
  if (d.shutDown_) return;
  if (d.threads_) {
    d.threads_->Close();
  } else {
    d.closing_ = true;
    d.stop_ = true;
  }
  d.shutDown_ = true;
  // The sink was bound to this document's options and poster by the
  // threads just joined; no thread reports through it any more.
  TroubleshootHook(nullptr, nullptr, true);
}

QziDocIStd::Impl& QziDocIStd::GetImpl() { return *pImpl_; }
const QziDocIStd::Impl& QziDocIStd::GetImpl() const { return *pImpl_; }

NetPauseGuard::NetPauseGuard(QziDocIStd::Impl* impl) : impl_(impl), idle_(true) {
  if (impl_->shutDown_) {
    impl_ = nullptr;  // a closed document stays closed
  } else if (impl_->threads_) {
    idle_ = impl_->threads_->WaitBeforeClose();
  } else {
    impl_->closing_ = true;
  }
}

NetPauseGuard::NetPauseGuard(NetPauseGuard&& other) noexcept
    : impl_(other.impl_), idle_(other.idle_) {
  other.impl_ = nullptr;
}

NetPauseGuard::~NetPauseGuard() {
  if (impl_) impl_->closing_ = false;
}

}  // namespace PardeloStravon
