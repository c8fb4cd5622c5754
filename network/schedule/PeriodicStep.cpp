#include "network/schedule/PeriodicStep.h"

#include <optional>

#include "network/DocServices.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/schedule/PeriodicActions.h"

namespace PardeloStravon {
namespace {

// Executor thread only. Empty: at the first node.
std::optional<int> lastVisited;

// The first node after the address, or the first node at all.
InstrNet::Handle NextAfter(InstrNet& net, const std::optional<int>& after) {
  InstrNet::Handle h = net.Begin();
  if (after) {
    while (!(h == net.End()) && h->first <= *after) h = net.Next(h);
  }
  return h;
}

}  // namespace

bool PeriodicStep(InstrNetOpt& options, const std::wstring& folder, bool restart,
                  const GuiPoster& poster, const SerComm::SerialLogSink* sink) {
  if (restart) lastVisited.reset();
  InstrNet& net = options.Network();
  for (;;) {
    const InstrNet::Handle h = NextAfter(net, lastVisited);
    if (h == net.End()) {
      lastVisited.reset();
      return false;
    }
    const int address = h->first;
    Node& node = h->second;
    lastVisited = address;

    const ConnFun conn = MakeConnFun(*options.Doc());
    const bool settings = StartH(net, node, address, folder, conn, poster, sink) ||
                          StartY(net, node, address, conn, poster, sink);
    const bool readings = StartG(net, node, address, folder, conn, poster, sink) ||
                          StartX(net, node, address, conn, poster, sink);
    if (settings || readings) return true;
  }
}

}  // namespace PardeloStravon
