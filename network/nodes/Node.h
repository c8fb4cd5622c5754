#pragma once
// One instrument of the network: the instrument type it was made for, its
// per-parameter display options, its own options and schedule, its run-time
// state and the latest values it sent.
//
// Threads: the options and option vectors change on the GUI thread only,
// while the executor is paused. The state, the latest values and their flags
// are also touched by the executor; they are copied in and out under the
// network's record lock, and UpdateState changes a state in place under it,
// so no thread's write undoes another's.
#include <boost/serialization/access.hpp>
#include <boost/serialization/split_member.hpp>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/core/NoInit.h"
#include "network/nodes/InstrParOpt.h"
#include "network/nodes/NodeOpt.h"
#include "network/nodes/RecordLock.h"

namespace PardeloStravon {

class DocServices;
class Instr;
struct NodeSt;

class Node {
 public:
  enum InstrLink {
    to_check = 0,   // not yet tried
    not_yet = 1,    // never answered, lost-link delay running
    no_link = 2,    // never answered within the delay
    yes_link = 3,   // last exchange succeeded
    int_link = 4,   // answered before, now failing, delay running
    lost_link = 5   // answered before, failing past the delay
  };

  // A node of the instrument type with that code; an unknown code throws
  // InstrBadRef and builds nothing.
  explicit Node(const std::wstring& code);
  // A node of the catalogue's first instrument type.
  Node();
  // A deep copy of the same instrument type, with a lock of its own.
  Node(const Node& other);
  // Builds the copy before it drops the old content, so a failure leaves
  // this node as it was. The node keeps its own lock.
  Node& operator=(const Node& other);
  ~Node();

  const Instr& Type() const;

  std::vector<InstrParOptSt>& OptSt();
  const std::vector<InstrParOptSt>& OptSt() const;
  std::vector<InstrParOptPlt>& OptPlt();
  const std::vector<InstrParOptPlt>& OptPlt() const;
  std::vector<InstrParOptFrm>& OptFrm();
  const std::vector<InstrParOptFrm>& OptFrm() const;
  std::vector<InstrParOptFrmSub>& OptFrmSub();
  const std::vector<InstrParOptFrmSub>& OptFrmSub() const;
  std::vector<InstrParOptFrmGrp>& OptFrmGrp();
  const std::vector<InstrParOptFrmGrp>& OptFrmGrp() const;
  // Replace a whole vector; sizes are not compared here.
  void SetOptSt(const std::vector<InstrParOptSt>& v);
  void SetOptPlt(const std::vector<InstrParOptPlt>& v);
  void SetOptFrm(const std::vector<InstrParOptFrm>& v);
  void SetOptFrmSub(const std::vector<InstrParOptFrmSub>& v);
  void SetOptFrmGrp(const std::vector<InstrParOptFrmGrp>& v);

  NodeOpt& Opt();
  const NodeOpt& Opt() const;
  // Periods shorter than MinPeriod are raised to it.
  void SetOpt(const NodeOpt& opt);

  // A copy of the state, taken under the lock.
  const NodeSt State() const;
  void SetState(const NodeSt& st);
  // Changes the state in place under the lock: the way for a thread to write
  // its own fields without undoing another thread's. The change must not
  // block.
  void UpdateState(const std::function<void(NodeSt&)>& change);

  // A copy of the latest values, one per parameter of the type.
  InstrParValues Values() const;
  bool HasReadings() const;
  bool HasSettings() const;
  // Stores a decoded readings (settings) frame at the readable (settable)
  // parameters; a frame of the wrong size fails and changes nothing.
  void LatestReadings(const InstrParValues& v);
  void LatestSettings(const InstrParValues& v);

  // Opens the settings form of the instrument at that address of the
  // document; reads nothing of this node.
  void OpenProgramForm(DocServices& doc, int address) const;

  // A number of its own for every node built, copied or assigned in this
  // process: work started for a node finds out by it whether the node at
  // that address is still the same one.
  std::uint64_t Serial() const;

  struct Impl;

 private:
  friend class boost::serialization::access;
  friend class InstrNet;

  template <class Archive>
  void save(Archive& ar, const unsigned int version) const;
  template <class Archive>
  void load(Archive& ar, const unsigned int version);
  BOOST_SERIALIZATION_SPLIT_MEMBER()

  void StoreLatest(const InstrParValues& v, bool readings);

  // The network lends its record lock to the nodes it holds.
  void ShareLock(const SharedRecordLock& lock);

  Impl* pImpl_;
};

// A node's run-time state. Only the six due times are saved; the rest starts
// from its default in every loaded node.
struct NodeSt {
  NoInit<Node::InstrLink, 0> link_;
  NoInit<int, 0> alarm_;          // instrument alarm last reported, 0 none
  NoInit<bool, 0> linkAlarm_;     // the lost-link alarm is raised
  NoInit<long, 0> linkDeadline_;  // when a failing link stops being tolerated
  // Next due times of the actions x, y, g, h, p and v (seconds since 1970).
  NoInit<long, 0> xn_;
  NoInit<long, 0> yn_;
  NoInit<long, 0> gn_;
  NoInit<long, 0> hn_;
  NoInit<long, 0> pn_;
  NoInit<long, 0> vn_;

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    using boost::serialization::make_nvp;
    ar& make_nvp("xn_", xn_);
    ar& make_nvp("yn_", yn_);
    ar& make_nvp("gn_", gn_);
    ar& make_nvp("hn_", hn_);
    ar& make_nvp("pn_", pn_);
    ar& make_nvp("vn_", vn_);
  }
};

}  // namespace PardeloStravon
