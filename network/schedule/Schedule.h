#pragma once
// When each of a node's six periodic actions is due, and how its next due
// time moves: x receive readings, y receive settings, g record readings,
// h record settings, p print the graph, v let a following graph take in new
// readings. An action is due while the node and the action are enabled and
// its next time lies before now (a time equal to now is not yet due). An
// advance moves the next time to the first point of its grid (next time
// plus whole periods) not before now, so a late turn keeps the grid.
#include "network/nodes/Node.h"

namespace PardeloStravon {

bool DueX(const NodeOpt& opt, const NodeSt& st);
bool DueY(const NodeOpt& opt, const NodeSt& st);
bool DueG(const NodeOpt& opt, const NodeSt& st);
bool DueH(const NodeOpt& opt, const NodeSt& st);
bool DueP(const NodeOpt& opt, const NodeSt& st);
bool DueV(const NodeOpt& opt, const NodeSt& st);

void AdvanceX(const NodeOpt& opt, NodeSt& st);
void AdvanceY(const NodeOpt& opt, NodeSt& st);
void AdvanceG(const NodeOpt& opt, NodeSt& st);
void AdvanceH(const NodeOpt& opt, NodeSt& st);
void AdvanceP(const NodeOpt& opt, NodeSt& st);
void AdvanceV(const NodeOpt& opt, NodeSt& st);

// GUI thread: when p (v) is due, advances it in the node and answers true.
// Only the due time is written, so the executor's fields stay as they are.
bool PrintDue(Node& node);
bool PlotUpdateDue(Node& node);

}  // namespace PardeloStravon
