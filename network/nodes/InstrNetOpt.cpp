#include "network/nodes/InstrNetOpt.h"

#include "foundation/core/Assert.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/DocServices.h"
#include "network/nodes/InstrNetOptImpl.h"

namespace PardeloStravon {

InstrNetOpt::Impl::Impl(InstrNetOpt* owner, DocServices* doc)
    : owner_(owner),
      doc_(doc),
      lock_(NewRecordLock()),
      state_(new NetStateRecord),
      pIN_(new InstrNet) {
  pIN_->ShareLock(lock_);
  connection_ = doc_->ConnectDocSignal(
      [this](int address, DocSignal signal) { OnDocSignal(address, signal); });
  jobs_.reset(new SerialJobQueue(StandardQueueLockTime, StandardQueueMaxSize));
}

InstrNetOpt::InstrNetOpt(DocServices* doc) {
  ASSERT_THROW(doc != nullptr, L"In QZ::InstrNetOpt::InstrNetOpt: no document");
  pImpl_.reset(new Impl(this, doc));
}

InstrNetOpt::~InstrNetOpt() = default;

InstrNet& InstrNetOpt::Network() { return *pImpl_->pIN_; }
const InstrNet& InstrNetOpt::Network() const { return *pImpl_->pIN_; }

const NetOptRecord InstrNetOpt::Options() const {
  RecordGuard guard(*pImpl_->lock_);
  return pImpl_->options_;
}

void InstrNetOpt::SetOptions(const NetOptRecord& options) {
  RecordGuard guard(*pImpl_->lock_);
  pImpl_->options_ = options;
}

const NetStateRecord InstrNetOpt::NetState() const {
  RecordGuard guard(*pImpl_->lock_);
  return *pImpl_->state_;
}

void InstrNetOpt::SetNetState(const NetStateRecord& state) {
  RecordGuard guard(*pImpl_->lock_);
  *pImpl_->state_ = state;
}

void InstrNetOpt::UpdateNetState(const std::function<void(NetStateRecord&)>& change) {
  RecordGuard guard(*pImpl_->lock_);
  NetStateRecord state(*pImpl_->state_);
  change(state);
  *pImpl_->state_ = state;
}

bool InstrNetOpt::IsBusy() const { return pImpl_->busy_.load(); }
void InstrNetOpt::SetBusy(bool busy) { pImpl_->busy_.store(busy); }
bool InstrNetOpt::Heartbeat() const { return pImpl_->heartbeat_.load() != 0; }
bool InstrNetOpt::SetHeartbeat(bool beat) { return pImpl_->heartbeat_.exchange(beat ? 1 : 0) != 0; }

DocServices* InstrNetOpt::Doc() const { return pImpl_->doc_; }

void InstrNetOpt::PushJob(const SerialJob& job) { pImpl_->jobs_->push(job); }
bool InstrNetOpt::RunOneJob() { return pImpl_->jobs_->RunOne(); }
bool InstrNetOpt::TakeOneJob(SerialJob& job) { return pImpl_->jobs_->TakeOne(job); }
bool InstrNetOpt::NoJobs() const { return pImpl_->jobs_->empty(); }

bool InstrNetOpt::RxEnabled() const { return Options().rxEn_; }

bool InstrNetOpt::SetRxEnabled(bool on) {
  RecordGuard guard(*pImpl_->lock_);
  const bool old = pImpl_->options_.rxEn_;
  pImpl_->options_.rxEn_ = on;
  return old;
}

bool InstrNetOpt::TroubleshootSerial() const { return Options().troubleshoot_; }

bool InstrNetOpt::SetTroubleshootSerial(bool on) {
  bool old = false;
  {
    RecordGuard guard(*pImpl_->lock_);
    old = pImpl_->options_.troubleshoot_;
    pImpl_->options_.troubleshoot_ = on;
  }
  const std::wstring line = L"\n" + TimeStamp() + L" " +
                            (on ? L"Troubleshooting serial communication set to on"
                                : L"Troubleshooting serial communication set to off") +
                            L"\n";
  SerCommLog << line;
  pImpl_->doc_->TraceAppend(line);
  ActivityLog << line;
  return old;
}

}  // namespace PardeloStravon
