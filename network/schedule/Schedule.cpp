#include "network/schedule/Schedule.h"

#include "foundation/core/Clock.h"
#include "foundation/core/Duration.h"

namespace PardeloStravon {
namespace {

bool Due(const NodeOpt& opt, bool enabled, long next) { return opt.act_ && enabled && next < Now(); }

void Advance(NoInit<long, 0>& next, long period) {
  next = static_cast<long>(NextPeriodTime(next, period));
}

// Advances the action in the node's own state when it is due.
template <typename DueF, typename AdvanceF>
bool AdvanceWhenDue(Node& node, DueF due, AdvanceF advance) {
  const NodeOpt& opt = node.Opt();
  bool wasDue = false;
  node.UpdateState([&](NodeSt& st) {
    wasDue = due(opt, st);
    if (wasDue) advance(opt, st);
  });
  return wasDue;
}

}  // namespace

bool DueX(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.xr_, st.xn_); }
bool DueY(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.yr_, st.yn_); }
bool DueG(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.gr_, st.gn_); }
bool DueH(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.hr_, st.hn_); }
bool DueP(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.pr_, st.pn_); }
bool DueV(const NodeOpt& opt, const NodeSt& st) { return Due(opt, opt.vr_, st.vn_); }

void AdvanceX(const NodeOpt& opt, NodeSt& st) { Advance(st.xn_, opt.xs_); }
void AdvanceY(const NodeOpt& opt, NodeSt& st) { Advance(st.yn_, opt.ys_); }
void AdvanceG(const NodeOpt& opt, NodeSt& st) { Advance(st.gn_, opt.gs_); }
void AdvanceH(const NodeOpt& opt, NodeSt& st) { Advance(st.hn_, opt.hs_); }
void AdvanceP(const NodeOpt& opt, NodeSt& st) { Advance(st.pn_, opt.ps_); }
void AdvanceV(const NodeOpt& opt, NodeSt& st) { Advance(st.vn_, opt.vs_); }

bool PrintDue(Node& node) { return AdvanceWhenDue(node, DueP, AdvanceP); }
bool PlotUpdateDue(Node& node) { return AdvanceWhenDue(node, DueV, AdvanceV); }

}  // namespace PardeloStravon
