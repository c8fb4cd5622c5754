#pragma once
// The private part of the network options, shared by the files that make up
// the class (options, persistence, tick passes).
#include <atomic>
#include <boost/signals2/connection.hpp>
#include <memory>

#include "network/DocSignal.h"
#include "network/nodes/InstrNetOpt.h"

namespace PardeloStravon {

struct InstrNetOpt::Impl {
  InstrNetOpt* owner_;
  DocServices* doc_;
  SharedRecordLock lock_;  // the network's record lock; guards options_ and *state_
  NetOptRecord options_;
  std::unique_ptr<NetStateRecord> state_;
  std::unique_ptr<InstrNet> pIN_;
  std::atomic<bool> busy_{false};
  boost::signals2::scoped_connection connection_;
  QueuePtr jobs_;
  std::atomic<int> heartbeat_{0};

  Impl(InstrNetOpt* owner, DocServices* doc);

  // The slot of the document signal, on the GUI thread.
  void OnDocSignal(int address, DocSignal signal);
};

}  // namespace PardeloStravon
