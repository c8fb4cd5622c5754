#pragma once
// The network: the supervised instruments keyed by their address on the
// serial line, in ascending order. Address 0 is never a key.
//
// The set of nodes changes on the GUI thread only, while the executor is
// paused, and under the record lock, which a walk from another thread (the
// watchdog's blackout test) holds. It lends that lock to every node it holds
// (see Node).
#include <boost/noncopyable.hpp>
#include <boost/serialization/access.hpp>
#include <map>

#include "network/nodes/LegacyFormat.h"
#include "network/nodes/Node.h"
#include "network/nodes/RecordLock.h"
#include "platform/LegacyArchive.h"

namespace PardeloStravon {

// Designates one (address, node) pair of a network. Next() finds its way by
// the address it remembers, so a handle whose entry is gone gives End instead
// of touching freed memory. Dereferencing such a handle is still an error.
template <class EntryT>
class NetHandle {
 public:
  NetHandle() = default;  // the end handle

  EntryT* operator->() const { return entry_; }
  EntryT& operator*() const { return *entry_; }
  friend bool operator==(const NetHandle& a, const NetHandle& b) { return a.entry_ == b.entry_; }

 private:
  friend class InstrNet;
  NetHandle(EntryT* entry) : entry_(entry), address_(entry->first) {}

  EntryT* entry_ = nullptr;
  int address_ = 0;
};

class InstrNet : private boost::noncopyable {
 public:
  typedef std::map<int, Node> Map;
  typedef Map::value_type Entry;
  typedef NetHandle<Entry> Handle;
  typedef NetHandle<const Entry> ConstHandle;

  InstrNet();
  ~InstrNet();

  bool IsPresent(int address) const;
  // Stores a copy. Address 0 throws std::invalid_argument "Null address in
  // MAP::InsertNew", a present one "Already present address in
  // MAP::InsertNew"; the map is then unchanged.
  void InsertNew(int address, const Node& node);
  // An absent address throws "Not present address in MAP::ErasePresent".
  void ErasePresent(int address);
  // Erases the node when present; whether it was.
  bool EraseIfPresent(int address);
  // An absent address throws "Not present address in MAP::GetPresent".
  Node& GetPresent(int address);
  const Node& GetPresent(int address) const;
  unsigned Size() const;
  // Nodes whose option act_ is set.
  int CountActive() const;

  // A walk: from Begin, follow Next until End. Next of End is Begin; Next
  // of a handle whose address is no longer a key is End.
  Handle Begin();
  ConstHandle Begin() const;
  Handle End();
  ConstHandle End() const;
  Handle Next(Handle h);
  ConstHandle Next(ConstHandle h) const;

  // The map's layer of the legacy document for one version.
  void SerializeLegacy(Platform::LegacyArchive& ar, int version, bool apply,
                       const LegacyMessageBox& messageBox);

  // This network and its nodes take the given lock from now on.
  void ShareLock(const SharedRecordLock& lock);
  const SharedRecordLock& Lock() const { return lock_; }
  // Exchanges the nodes of two networks; each keeps its own lock.
  void SwapNodes(InstrNet& other);

 private:
  friend class boost::serialization::access;
  template <class Archive>
  void save(Archive& ar, const unsigned int version) const;
  template <class Archive>
  void load(Archive& ar, const unsigned int version);
  BOOST_SERIALIZATION_SPLIT_MEMBER()

  template <class H, class M>
  static H NextIn(M& map, H h);

  Map mapImpl_;
  SharedRecordLock lock_;
};

// Paging of the settings form. An empty network has no address: the first,
// last and previous address are then 0.
// The entry of the address by a walk from Begin; absent: std::invalid_argument
// "Not present address in QZ::GetPresent".
InstrNet::ConstHandle GetPresent(const InstrNet& net, int address);
int FirstAddress(const InstrNet& net);
// The address before; the first one for the first; the last one for an
// address that is not present.
int PrevAddress(const InstrNet& net, int address);
// The address after; the same one for the last; throws as GetPresent for an
// absent address.
int NextAddress(const InstrNet& net, int address);
int LastAddress(const InstrNet& net);

// Applies the node's cpyAdvFrm_: copies the five option vectors of the node
// it names when that node exists and is of the same type; otherwise clears
// cpyAdvFrm_. An absent address throws as InstrNet::GetPresent.
void CopyAdvancedOptions(InstrNet& net, int address);
// The same for every node, in address order; runs before every save.
void CopyAdvancedOptionsAll(InstrNet& net);

}  // namespace PardeloStravon
