#pragma once
// The private part of a node, shared by its building and its persistence.
#include <cstdint>
#include <vector>

#include "network/nodes/Node.h"

namespace PardeloStravon {

std::uint64_t NewNodeSerial();

struct Node::Impl {
  const Instr* instr_;  // owned by the catalogue for the whole run
  std::vector<InstrParOptSt> vIPOSt_;
  std::vector<InstrParOptPlt> vIPOPlt_;
  std::vector<InstrParOptFrm> vIPOFrm_;
  std::vector<InstrParOptFrmSub> vIPOFrmSub_;
  std::vector<InstrParOptFrmGrp> vIPOFrmGrp_;
  NodeOpt nodeOpt_;
  // Guarded by lock_:
  NodeSt nodeSt_;
  InstrParValues values_;
  NoInit<bool, 0> hasReadings_;
  NoInit<bool, 0> hasSettings_;
  SharedRecordLock lock_;
  const std::uint64_t serial_ = NewNodeSerial();  // a new one for every new content

  // A new node of the type: defaults, option vectors from the catalogue.
  explicit Impl(const Instr& instr);
  // Member by member, the guarded part read under the other's lock; the copy
  // gets a lock of its own.
  Impl(const Impl& other);
  Impl& operator=(const Impl&) = delete;

  // Recomputes the two unsaved heading indices from the catalogue. The
  // heading vectors must have the sizes that building the type gives.
  void Reindex();
};

}  // namespace PardeloStravon
