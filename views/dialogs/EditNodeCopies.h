#pragma once
// What the edit-instrument dialog edits: copies of a node's options, state
// and per-parameter option vectors, and how they go back into the node.
#include <vector>

#include "network/nodes/InstrParOpt.h"
#include "network/nodes/Node.h"
#include "network/nodes/NodeOpt.h"

namespace PardeloStravon {

struct EditNodeCopies {
  NodeOpt opt;
  NodeSt st;
  std::vector<InstrParOptSt> vIPOSt;
  std::vector<InstrParOptPlt> vIPOPlt;
  std::vector<InstrParOptFrm> vIPOFrm;
  std::vector<InstrParOptFrmSub> vIPOFrmSub;
  std::vector<InstrParOptFrmGrp> vIPOFrmGrp;

  static EditNodeCopies Of(const Node& node);
};

// The six next-due times, in the order the dialog exchanges them.
extern NoInit<long, 0> NodeSt::* const DueTimes[6];

// Writes the options and the five vectors back whole. Of the state only the
// due times the user changed are written (each whose edited value differs
// from the one shown, all six after Default), in place under the node's
// lock: the link state, the alarm memory, the deadline and the due times
// that the executor and the tick passes stored meanwhile stay as they are.
void WriteBack(Node& node, const EditNodeCopies& edited, const NodeSt& shown, bool allDueTimes);

}  // namespace PardeloStravon
