#include "network/nodes/ParameterRuns.h"

#include <optional>
#include <string>

namespace PardeloStravon {

std::vector<ParameterRun> ParameterRuns(const InstrPars& pars) {
  std::vector<ParameterRun> runs(pars.size());
  // No key before the first parameter, so even an empty key starts a run and
  // every parameter has a heading entry to point at.
  std::optional<std::wstring> prevSub;
  std::optional<std::wstring> prevGrp;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    ParameterRun& run = runs[i];
    run.sub = &pars[i]->ParSubGroup();
    run.grp = &GroupRecAt(run.sub->groupSubGroup);
    if (prevSub == run.sub->groupSubId) continue;
    prevSub = run.sub->groupSubId;
    run.startsSub = true;
    if (prevGrp == run.grp->groupId) continue;
    prevGrp = run.grp->groupId;
    run.startsGrp = true;
  }
  return runs;
}

}  // namespace PardeloStravon
