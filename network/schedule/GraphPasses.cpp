#include "network/schedule/GraphPasses.h"

#include <algorithm>

#include "foundation/core/Clock.h"
#include "foundation/core/Duration.h"
#include "network/DocServices.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/schedule/Schedule.h"

namespace PardeloStravon {

constexpr long GraphAtStartupSpan = 86400;

bool PrintPass(InstrNetOpt& options) {
  if (!options.RxEnabled()) return false;
  DocServices& doc = *options.Doc();
  InstrNet& net = options.Network();
  bool printed = false;
  for (auto h = net.Begin(); !(h == net.End()); h = net.Next(h)) {
    Node& node = h->second;
    if (!PrintDue(node)) continue;
    doc.SetModified(true);
    const long period = node.Opt().ps_;
    const std::time_t to = TimeMinus(node.State().pn_, period);
    std::time_t from = TimeMinus(to, period);
    if (from >= to) from = 0;
    DocPrintGraphic(h->first, doc, from, to);
    doc.EmitDocSignal(h->first, dsPrinted);
    printed = true;
  }
  return printed;
}

void PlotAtStartup(InstrNetOpt& options) {
  if (!options.RxEnabled()) return;
  DocServices& doc = *options.Doc();
  const std::time_t now = Now();
  const std::time_t from = std::max<std::time_t>(0, now - GraphAtStartupSpan);
  InstrNet& net = options.Network();
  for (auto h = net.Begin(); !(h == net.End()); h = net.Next(h)) {
    const NodeOpt& opt = h->second.Opt();
    if (opt.act_ && opt.vr_) DocNewGraphic(h->first, doc, from, now, true, false);
  }
}

}  // namespace PardeloStravon
