#include "network/nodes/Node.h"

#include <atomic>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/DocServices.h"
#include "network/nodes/NodeImpl.h"
#include "network/nodes/ParameterRuns.h"

namespace PardeloStravon {

Node::Impl::Impl(const Instr& instr) : instr_(&instr), lock_(NewRecordLock()) {
  const InstrPars pars = instr.Pars();
  const std::vector<ParameterRun> runs = ParameterRuns(pars);
  vIPOSt_.resize(pars.size());
  vIPOPlt_.resize(pars.size());
  vIPOFrm_.resize(pars.size());
  // A heading starts a new column where the parameters turn settable or turn
  // back; the first parameter turns nothing.
  bool prevSettable = false;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const InstrParPure& par = *pars[i];
    const bool s = par.ParIsSet();
    const bool r = par.ParIsRead();
    const bool changed = i > 0 && prevSettable != s;
    prevSettable = s;
    vIPOSt_[i] = {par.ParSt(), par.ParIsDSt()};
    vIPOPlt_[i] = {par.ParSt(), par.ParIsDSt()};
    vIPOFrm_[i].frmTextOpt_ = par.ParDlg();
    vIPOFrm_[i].frmDefOpt_ = true;
    vIPOFrm_[i].frmFreeOpt_ = false;
    if (runs[i].startsSub) {
      // A group heading shows when its first parameter is settable, a
      // sub-group heading when its first parameter is readable.
      const bool grpShown = s;
      const bool subShown = r;
      if (runs[i].startsGrp) {
        vIPOFrmGrp_.push_back(
            {DictTextAt(runs[i].grp->groupDlg), grpShown, changed && grpShown});
      }
      InstrParOptFrmSub sub;
      sub.frmTextOptSub_ = DictTextAt(runs[i].sub->groupSubDlg);
      sub.frmDefOptSub_ = subShown;
      sub.frmSubNewCol_ = changed && !grpShown;
      vIPOFrmSub_.push_back(sub);
    }
    vIPOFrm_[i].frmNewCol_ = false;
  }
  Reindex();
  values_ = DefaultValues(pars);
}

Node::Impl::Impl(const Impl& other)
    : instr_(other.instr_),
      vIPOSt_(other.vIPOSt_),
      vIPOPlt_(other.vIPOPlt_),
      vIPOFrm_(other.vIPOFrm_),
      vIPOFrmSub_(other.vIPOFrmSub_),
      vIPOFrmGrp_(other.vIPOFrmGrp_),
      nodeOpt_(other.nodeOpt_),
      lock_(NewRecordLock()) {
  RecordGuard guard(*other.lock_);
  nodeSt_ = other.nodeSt_;
  values_ = other.values_;
  hasReadings_ = other.hasReadings_;
  hasSettings_ = other.hasSettings_;
}

void Node::Impl::Reindex() {
  const std::vector<ParameterRun> runs = ParameterRuns(instr_->Pars());
  int subCount = 0;
  int grpCount = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].startsSub) {
      if (runs[i].startsGrp) ++grpCount;
      vIPOFrmSub_.at(subCount).frmGrpIdx_ = grpCount - 1;
      ++subCount;
    }
    vIPOFrm_.at(i).frmSubIdx_ = subCount - 1;
  }
}

namespace {

const Instr& FirstInstrument() {
  const std::vector<std::wstring>& codes = InstrCodes();
  if (codes.empty()) throw InstrBadRef();
  return InstrByCode(codes.front());
}

// Stores the frame's values at the parameters that the frame carries.
void StoreFrame(const InstrPars& pars, bool (InstrParPure::*inFrame)() const,
                const InstrParValues& frame, InstrParValues& values) {
  std::size_t k = 0;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if ((pars[i]->*inFrame)()) values.at(i) = frame.at(k++);
  }
}

}  // namespace

Node::Node(const std::wstring& code) : pImpl_(new Impl(InstrByCode(code))) {}

Node::Node() : pImpl_(new Impl(FirstInstrument())) {}

Node::Node(const Node& other) : pImpl_(new Impl(*other.pImpl_)) {}

Node& Node::operator=(const Node& other) {
  if (pImpl_ == other.pImpl_) return *this;
  Impl* copy = new Impl(*other.pImpl_);
  copy->lock_ = pImpl_->lock_;
  Impl* old = pImpl_;
  pImpl_ = copy;
  delete old;
  return *this;
}

Node::~Node() { delete pImpl_; }

void Node::ShareLock(const SharedRecordLock& lock) { pImpl_->lock_ = lock; }

std::uint64_t NewNodeSerial() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

std::uint64_t Node::Serial() const { return pImpl_->serial_; }

const Instr& Node::Type() const { return *pImpl_->instr_; }

std::vector<InstrParOptSt>& Node::OptSt() { return pImpl_->vIPOSt_; }
const std::vector<InstrParOptSt>& Node::OptSt() const { return pImpl_->vIPOSt_; }
std::vector<InstrParOptPlt>& Node::OptPlt() { return pImpl_->vIPOPlt_; }
const std::vector<InstrParOptPlt>& Node::OptPlt() const { return pImpl_->vIPOPlt_; }
std::vector<InstrParOptFrm>& Node::OptFrm() { return pImpl_->vIPOFrm_; }
const std::vector<InstrParOptFrm>& Node::OptFrm() const { return pImpl_->vIPOFrm_; }
std::vector<InstrParOptFrmSub>& Node::OptFrmSub() { return pImpl_->vIPOFrmSub_; }
const std::vector<InstrParOptFrmSub>& Node::OptFrmSub() const { return pImpl_->vIPOFrmSub_; }
std::vector<InstrParOptFrmGrp>& Node::OptFrmGrp() { return pImpl_->vIPOFrmGrp_; }
const std::vector<InstrParOptFrmGrp>& Node::OptFrmGrp() const { return pImpl_->vIPOFrmGrp_; }

void Node::SetOptSt(const std::vector<InstrParOptSt>& v) { pImpl_->vIPOSt_ = v; }
void Node::SetOptPlt(const std::vector<InstrParOptPlt>& v) { pImpl_->vIPOPlt_ = v; }
void Node::SetOptFrm(const std::vector<InstrParOptFrm>& v) { pImpl_->vIPOFrm_ = v; }
void Node::SetOptFrmSub(const std::vector<InstrParOptFrmSub>& v) { pImpl_->vIPOFrmSub_ = v; }
void Node::SetOptFrmGrp(const std::vector<InstrParOptFrmGrp>& v) { pImpl_->vIPOFrmGrp_ = v; }

NodeOpt& Node::Opt() { return pImpl_->nodeOpt_; }
const NodeOpt& Node::Opt() const { return pImpl_->nodeOpt_; }

void Node::SetOpt(const NodeOpt& opt) {
  NodeOpt raised(opt);
  RaiseShortPeriods(raised);
  pImpl_->nodeOpt_ = raised;
}

const NodeSt Node::State() const {
  RecordGuard guard(*pImpl_->lock_);
  return pImpl_->nodeSt_;
}

void Node::SetState(const NodeSt& st) {
  RecordGuard guard(*pImpl_->lock_);
  pImpl_->nodeSt_ = st;
}

void Node::UpdateState(const std::function<void(NodeSt&)>& change) {
  RecordGuard guard(*pImpl_->lock_);
  NodeSt st(pImpl_->nodeSt_);
  change(st);
  pImpl_->nodeSt_ = st;
}

InstrParValues Node::Values() const {
  RecordGuard guard(*pImpl_->lock_);
  return pImpl_->values_;
}

bool Node::HasReadings() const {
  RecordGuard guard(*pImpl_->lock_);
  return pImpl_->hasReadings_;
}

bool Node::HasSettings() const {
  RecordGuard guard(*pImpl_->lock_);
  return pImpl_->hasSettings_;
}

void Node::LatestReadings(const InstrParValues& v) { StoreLatest(v, true); }

void Node::LatestSettings(const InstrParValues& v) { StoreLatest(v, false); }

void Node::StoreLatest(const InstrParValues& v, bool readings) {
  const InstrPars pars = Type().Pars();
  const std::size_t expected = (readings ? ReadablePars(pars) : SettablePars(pars)).size();
  ASSERT_THROW(expected == v.size(),
               readings
                   ? L"Wrong assignment in QZ::Node::LatestReadings: size of new value is incorrect"
                   : L"Wrong assignment in QZ::Node::LatestSettings: size of new value is incorrect");
  RecordGuard guard(*pImpl_->lock_);
  InstrParValues values(pImpl_->values_);
  StoreFrame(pars, readings ? &InstrParPure::ParIsRead : &InstrParPure::ParIsSet, v, values);
  pImpl_->values_.swap(values);
  (readings ? pImpl_->hasReadings_ : pImpl_->hasSettings_) = true;
}

void Node::OpenProgramForm(DocServices& doc, int address) const { doc.OpenSettingsForm(address); }

}  // namespace PardeloStravon
