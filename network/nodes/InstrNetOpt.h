#pragma once
// The network side of the document: the network with its nodes, the global
// options and their run-time state, the queue of on-demand serial jobs, and
// the busy and heartbeat flags of the executor.
//
// Threads: the options and the state record are shared by the GUI thread,
// the executor and the watchdog. They are handed out as copies and stored
// under the network's record lock; UpdateNetState changes the state record
// in place so that the executor's and the GUI thread's fields never undo
// each other. The two flags are atomic.
#include <boost/noncopyable.hpp>
#include <boost/serialization/access.hpp>
#include <boost/serialization/split_member.hpp>
#include <functional>

#include "foundation/core/ImmPtr.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/NetOptRecord.h"
#include "network/threads/ThreadSafePriorityQueue.h"
#include "platform/LegacyArchive.h"

namespace PardeloStravon {

class DocServices;

class InstrNetOpt : private boost::noncopyable {
 public:
  // Default options, an empty network, flags cleared; subscribes to the
  // document signal for the tick passes.
  explicit InstrNetOpt(DocServices* doc);
  // Releases the job queue with its jobs, the subscription, the network and
  // the state record, in this order.
  ~InstrNetOpt();

  InstrNet& Network();
  const InstrNet& Network() const;

  // A copy of the options; they are stored back whole.
  const NetOptRecord Options() const;
  void SetOptions(const NetOptRecord& options);
  // A copy of the run-time state.
  const NetStateRecord NetState() const;
  void SetNetState(const NetStateRecord& state);
  // Changes the state record in place under the lock. The change must not
  // block.
  void UpdateNetState(const std::function<void(NetStateRecord&)>& change);

  bool IsBusy() const;
  void SetBusy(bool busy);
  bool Heartbeat() const;
  // Stores the flag; returns the previous state.
  bool SetHeartbeat(bool beat);

  DocServices* Doc() const;

  // Dropped when 10000 jobs wait or the queue's lock is not obtained within
  // 60 s.
  void PushJob(const SerialJob& job);
  // Runs at most one queued job on the calling thread; whether one ran.
  bool RunOneJob();
  // Takes the next queued job without running it; whether there was one.
  bool TakeOneJob(SerialJob& job);
  // A snapshot, for polling loops.
  bool NoJobs() const;

  bool RxEnabled() const;
  // Returns the previous value; writes no log.
  bool SetRxEnabled(bool on);
  bool TroubleshootSerial() const;
  // Returns the previous value; logs the change to the serial log, the
  // serial trace and the activity log.
  bool SetTroubleshootSerial(bool on);

  // The options' and the network's layer of one block of the legacy
  // document.
  void SerializeLegacy(Platform::LegacyArchive& ar, int version, bool apply);

  struct Impl;

 private:
  friend class boost::serialization::access;
  template <class Archive>
  void save(Archive& ar, const unsigned int version) const;
  template <class Archive>
  void load(Archive& ar, const unsigned int version);
  BOOST_SERIALIZATION_SPLIT_MEMBER()

  ImmScoped<Impl> pImpl_;
};

}  // namespace PardeloStravon
