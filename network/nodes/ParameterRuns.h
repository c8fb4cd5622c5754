#pragma once
// Where the settings form's sub-group and group headings begin: a run of
// consecutive parameters that share a sub-group, and a run of consecutive
// sub-group runs whose sub-groups share a group. Only neighbours are
// compared, so a sub-group that reappears later starts a run of its own.
#include <vector>

#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrParPure.h"

namespace PardeloStravon {

struct ParameterRun {
  bool startsSub = false;  // the parameter begins a sub-group run
  bool startsGrp = false;  // ... and that run begins a group run
  const GroupSubRec* sub = nullptr;
  const GroupRec* grp = nullptr;
};

// One entry per parameter, in list order. The first parameter always begins
// both runs.
std::vector<ParameterRun> ParameterRuns(const InstrPars& pars);

}  // namespace PardeloStravon
