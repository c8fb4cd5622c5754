#include "network/schedule/PeriodicActions.h"

#include <exception>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/DocServices.h"
#include "network/schedule/LinkStates.h"
#include "network/schedule/RecordingFiles.h"
#include "network/schedule/Schedule.h"

namespace PardeloStravon {
namespace {

// What tells the four actions apart.
struct Action {
  const wchar_t* start;     // function names for the error log
  const wchar_t* complete;
  bool readings;            // x, g: the readings frame; y, h: the settings frame
  bool records;             // g, h: the values go to the recording file
  bool (*due)(const NodeOpt&, const NodeSt&);
  void (*advance)(const NodeOpt&, NodeSt&);
  void (*advanceBase)(const NodeOpt&, NodeSt&);  // g and h move x and y along
  bool (*atStartup)(const NodeOpt&);
  DocSignal ok;
  DocSignal ko;
};

const Action X{L"StartX()", L"CompleteX()", true, false, DueX, AdvanceX, nullptr,
               [](const NodeOpt& o) { return o.act_ && o.xr_ && o.xt_; }, dsRxOk, dsRxKo};
const Action Y{L"StartY()", L"CompleteY()", false, false, DueY, AdvanceY, nullptr,
               [](const NodeOpt& o) { return o.act_ && o.yr_ && o.yt_; }, dsRyOk, dsRyKo};
const Action G{L"StartG()", L"CompleteG()", true, true, DueG, AdvanceG, AdvanceX,
               [](const NodeOpt& o) { return o.act_ && o.gr_ && o.gt_; }, dsRgOk, dsRgKo};
const Action H{L"StartH()", L"CompleteH()", false, true, DueH, AdvanceH, AdvanceY,
               [](const NodeOpt& o) { return o.act_ && o.hr_ && o.ht_; }, dsRhOk, dsRhKo};

void LogFailure(const wchar_t* function, int address, const std::exception& e) {
  ErrorLog << TimeStamp() + L" Error in " + function + L" for instrument nr. " + ToWStr(address) +
                  L": " + ToWide(e.what())
           << std::endl;
}

// Advances the schedule when the action is due; whether it is to run.
bool TakeTurn(const Action& a, Node& node) {
  const NodeOpt& opt = node.Opt();
  bool due = false;
  node.UpdateState([&](NodeSt& st) {
    due = a.due(opt, st);
    if (!due) return;
    a.advance(opt, st);
    if (a.advanceBase) a.advanceBase(opt, st);
  });
  if (due) return true;
  return a.atStartup(opt) && !(a.readings ? node.HasReadings() : node.HasSettings());
}

void Complete(const Action& a, const NodeRef& ref, const NodeSt& st, const InstrPars& pars,
              const std::wstring& folder, const ConnFun& conn, const InstrParValues& values,
              bool ok) {
  Node* node = FindNode(ref);
  if (!node) return;
  node->UpdateState([&](NodeSt& own) {
    own.link_ = st.link_;
    own.linkDeadline_ = st.linkDeadline_;
  });
  bool done = ok;
  if (ok) {
    try {
      if (a.readings) {
        node->LatestReadings(values);
        if (a.records) done = RegisterReadings(ref.address_, pars, values, folder);
      } else {
        node->LatestSettings(values);
        if (a.records) done = RegisterSettings(ref.address_, pars, values, folder);
      }
    } catch (const std::exception& e) {
      LogFailure(a.complete, ref.address_, e);
      done = false;
    }
  }
  conn(ref.address_, done ? a.ok : a.ko);
}

bool Start(const Action& a, InstrNet& net, Node& node, int address, const std::wstring& folder,
           const ConnFun& conn, const GuiPoster& poster, const SerComm::SerialLogSink* sink) {
  if (!TakeTurn(a, node)) return false;

  const InstrPars all = node.Type().Pars();
  const InstrPars pars = a.readings ? ReadablePars(all) : SettablePars(all);
  InstrParValues values = DefaultValues(pars);
  NodeSt st = node.State();
  const NodeOpt& opt = node.Opt();
  bool ok = false;
  try {
    ok = a.readings ? ReadingsExchange(opt, st, pars, address, values, sink)
                    : SettingsExchange(opt, st, pars, address, values, sink);
  } catch (const std::exception& e) {
    // The node still hears of the failure and its link state follows it.
    LogFailure(a.start, address, e);
    NextLinkState(st, false, opt.lostLinkDelay_);
  }
  const NodeRef ref = RefOf(net, address, node);
  const Action* action = &a;
  poster([=] { Complete(*action, ref, st, pars, folder, conn, values, ok); });
  return true;
}

}  // namespace

ConnFun MakeConnFun(DocServices& doc) {
  return ConnFun{[&doc](int address, DocSignal signal) { doc.EmitDocSignal(address, signal); }};
}

NodeRef RefOf(InstrNet& net, int address, const Node& node) {
  return NodeRef{&net, address, node.Serial()};
}

Node* FindNode(const NodeRef& ref) {
  if (!ref.net_->IsPresent(ref.address_)) return nullptr;
  Node& node = ref.net_->GetPresent(ref.address_);
  return node.Serial() == ref.serial_ ? &node : nullptr;
}

bool StartX(InstrNet& net, Node& node, int address, const ConnFun& conn, const GuiPoster& poster,
            const SerComm::SerialLogSink* sink) {
  return Start(X, net, node, address, L"", conn, poster, sink);
}

bool StartY(InstrNet& net, Node& node, int address, const ConnFun& conn, const GuiPoster& poster,
            const SerComm::SerialLogSink* sink) {
  return Start(Y, net, node, address, L"", conn, poster, sink);
}

bool StartG(InstrNet& net, Node& node, int address, const std::wstring& folder,
            const ConnFun& conn, const GuiPoster& poster, const SerComm::SerialLogSink* sink) {
  return Start(G, net, node, address, folder, conn, poster, sink);
}

bool StartH(InstrNet& net, Node& node, int address, const std::wstring& folder,
            const ConnFun& conn, const GuiPoster& poster, const SerComm::SerialLogSink* sink) {
  return Start(H, net, node, address, folder, conn, poster, sink);
}

void CompleteX(const NodeRef& ref, const NodeSt& st, const ConnFun& conn,
               const InstrParValues& values, bool ok) {
  Complete(X, ref, st, {}, L"", conn, values, ok);
}

void CompleteY(const NodeRef& ref, const NodeSt& st, const ConnFun& conn,
               const InstrParValues& values, bool ok) {
  Complete(Y, ref, st, {}, L"", conn, values, ok);
}

void CompleteG(const NodeRef& ref, const NodeSt& st, const InstrPars& pars,
               const std::wstring& folder, const ConnFun& conn, const InstrParValues& values,
               bool ok) {
  Complete(G, ref, st, pars, folder, conn, values, ok);
}

void CompleteH(const NodeRef& ref, const NodeSt& st, const InstrPars& pars,
               const std::wstring& folder, const ConnFun& conn, const InstrParValues& values,
               bool ok) {
  Complete(H, ref, st, pars, folder, conn, values, ok);
}

}  // namespace PardeloStravon
