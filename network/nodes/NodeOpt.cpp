#include "network/nodes/NodeOpt.h"

namespace PardeloStravon {

void RaiseShortPeriods(NodeOpt& opt) {
  for (long* period : {&opt.xs_.get(), &opt.ys_.get(), &opt.gs_.get(), &opt.hs_.get(),
                       &opt.ps_.get(), &opt.vs_.get()}) {
    if (*period < MinPeriod) *period = MinPeriod;
  }
}

}  // namespace PardeloStravon
