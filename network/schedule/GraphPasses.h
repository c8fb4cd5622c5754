#pragma once
// The graph work of the schedule on the GUI thread: the periodic print of
// each node's graph and the graphs opened after a document was loaded.
namespace PardeloStravon {

class InstrNetOpt;

// On every tick while periodic reception is on: prints the graph of every
// node whose print is due, over the period that just ended, and marks the
// document modified (the saved next print time changed). Whether a graph
// was printed.
bool PrintPass(InstrNetOpt& options);

// Once after loading, while periodic reception is on: a following graph of
// the last 24 hours for every active node that updates its plot.
void PlotAtStartup(InstrNetOpt& options);

}  // namespace PardeloStravon
