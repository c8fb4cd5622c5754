#include "network/nodes/InstrNet.h"

#include <stdexcept>

#include "foundation/catalogue/InstrTable.h"

namespace PardeloStravon {

InstrNet::InstrNet() : lock_(NewRecordLock()) {}

InstrNet::~InstrNet() = default;

bool InstrNet::IsPresent(int address) const { return mapImpl_.count(address) != 0; }

void InstrNet::InsertNew(int address, const Node& node) {
  if (address == 0) throw std::invalid_argument("Null address in MAP::InsertNew");
  // The watchdog walks the network under this lock while the GUI thread
  // edits it; the set of nodes changes only under it.
  RecordGuard guard(*lock_);
  if (IsPresent(address)) throw std::invalid_argument("Already present address in MAP::InsertNew");
  Node& stored = mapImpl_.emplace(address, node).first->second;
  stored.ShareLock(lock_);
}

void InstrNet::ErasePresent(int address) {
  if (!EraseIfPresent(address))
    throw std::invalid_argument("Not present address in MAP::ErasePresent");
}

bool InstrNet::EraseIfPresent(int address) {
  RecordGuard guard(*lock_);
  return mapImpl_.erase(address) != 0;
}

Node& InstrNet::GetPresent(int address) {
  const auto it = mapImpl_.find(address);
  if (it == mapImpl_.end()) throw std::invalid_argument("Not present address in MAP::GetPresent");
  return it->second;
}

const Node& InstrNet::GetPresent(int address) const {
  return const_cast<InstrNet&>(*this).GetPresent(address);
}

unsigned InstrNet::Size() const { return static_cast<unsigned>(mapImpl_.size()); }

int InstrNet::CountActive() const {
  int n = 0;
  for (const auto& entry : mapImpl_) n += entry.second.Opt().act_ ? 1 : 0;
  return n;
}

InstrNet::Handle InstrNet::Begin() {
  return mapImpl_.empty() ? Handle() : Handle(&*mapImpl_.begin());
}

InstrNet::ConstHandle InstrNet::Begin() const {
  return mapImpl_.empty() ? ConstHandle() : ConstHandle(&*mapImpl_.begin());
}

InstrNet::Handle InstrNet::End() { return Handle(); }
InstrNet::ConstHandle InstrNet::End() const { return ConstHandle(); }

template <class H, class M>
H InstrNet::NextIn(M& map, H h) {
  if (h.entry_ == nullptr) return map.empty() ? H() : H(&*map.begin());
  if (map.count(h.address_) == 0) return H();
  const auto next = map.upper_bound(h.address_);
  return next == map.end() ? H() : H(&*next);
}

InstrNet::Handle InstrNet::Next(Handle h) { return NextIn<Handle>(mapImpl_, h); }
InstrNet::ConstHandle InstrNet::Next(ConstHandle h) const {
  return NextIn<ConstHandle>(mapImpl_, h);
}

void InstrNet::ShareLock(const SharedRecordLock& lock) {
  lock_ = lock;
  for (auto& entry : mapImpl_) entry.second.ShareLock(lock_);
}

void InstrNet::SwapNodes(InstrNet& other) {
  RecordGuard guard(*lock_);
  mapImpl_.swap(other.mapImpl_);
  for (auto& entry : mapImpl_) entry.second.ShareLock(lock_);
  for (auto& entry : other.mapImpl_) entry.second.ShareLock(other.lock_);
}

InstrNet::ConstHandle GetPresent(const InstrNet& net, int address) {
  for (InstrNet::ConstHandle h = net.Begin(); h != net.End(); h = net.Next(h)) {
    if (h->first == address) return h;
  }
  throw std::invalid_argument("Not present address in QZ::GetPresent");
}

int FirstAddress(const InstrNet& net) {
  const InstrNet::ConstHandle h = net.Begin();
  return h == net.End() ? 0 : h->first;
}

int PrevAddress(const InstrNet& net, int address) {
  int prev = FirstAddress(net);
  for (InstrNet::ConstHandle h = net.Begin(); h != net.End(); h = net.Next(h)) {
    if (h->first == address) return prev;
    prev = h->first;
  }
  return prev;
}

int NextAddress(const InstrNet& net, int address) {
  const InstrNet::ConstHandle next = net.Next(GetPresent(net, address));
  return next == net.End() ? address : next->first;
}

int LastAddress(const InstrNet& net) { return PrevAddress(net, 0); }

void CopyAdvancedOptions(InstrNet& net, int address) {
  Node& node = net.GetPresent(address);
  NodeOpt opt(node.Opt());
  const int src = opt.cpyAdvFrm_;
  if (src == 0) return;
  if (net.IsPresent(src) && net.GetPresent(src).Type().Code() == node.Type().Code()) {
    const Node& from = net.GetPresent(src);
    node.SetOptSt(from.OptSt());
    node.SetOptPlt(from.OptPlt());
    node.SetOptFrm(from.OptFrm());
    node.SetOptFrmSub(from.OptFrmSub());
    node.SetOptFrmGrp(from.OptFrmGrp());
    return;
  }
  opt.cpyAdvFrm_ = 0;
  node.SetOpt(opt);
}

void CopyAdvancedOptionsAll(InstrNet& net) {
  for (InstrNet::Handle h = net.Begin(); h != net.End(); h = net.Next(h))
    CopyAdvancedOptions(net, h->first);
}

}  // namespace PardeloStravon
