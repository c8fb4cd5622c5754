#pragma once
// A node's own options: name, activity, lost-link handling and the schedule
// of its six periodic actions, named x (receive readings), y (receive
// settings), g (record readings), h (record settings), p (print the plot) and
// v (update the plot). Periods are in seconds.
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <string>

#include "foundation/core/Defaults.h"
#include "foundation/core/NoInit.h"

namespace PardeloStravon {

struct NodeOpt {
  NoInitS<std::wstring, CTW_CTW_New_instrument> nm_;  // shown beside the address
  NoInitS<bool, CB_act> act_;                          // takes part in periodic work and alarms
  NoInit<int, 0> cpyAdvFrm_;  // address whose per-parameter options this node copies; 0 none
  NoInitS<long, CL_lld> lostLinkDelay_;  // seconds a failing link is tolerated
  NoInitS<bool, CB_ola> actOnLinkAlarm_;
  NoInitS<bool, CB_xr> xr_;
  NoInitS<long, CL_xs> xs_;
  NoInitS<bool, CB_xt> xt_;
  NoInitS<bool, CB_yr> yr_;
  NoInitS<long, CL_ys> ys_;
  NoInitS<bool, CB_yt> yt_;
  NoInitS<bool, CB_gr> gr_;
  NoInitS<long, CL_gs> gs_;
  NoInitS<bool, CB_gt> gt_;
  NoInitS<bool, CB_hr> hr_;
  NoInitS<long, CL_hs> hs_;
  NoInitS<bool, CB_ht> ht_;
  NoInitS<bool, CB_pr> pr_;
  NoInitS<long, CL_ps> ps_;
  NoInitS<bool, CB_vr> vr_;
  NoInitS<long, CL_vs> vs_;

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    using boost::serialization::make_nvp;
    ar& make_nvp("nm_", nm_);
    ar& make_nvp("act_", act_);
    ar& make_nvp("cpyAdvFrm_", cpyAdvFrm_);
    ar& make_nvp("lostLinkDelay_", lostLinkDelay_);
    ar& make_nvp("actOnLinkAlarm_", actOnLinkAlarm_);
    ar& make_nvp("xr_", xr_);
    ar& make_nvp("xs_", xs_);
    ar& make_nvp("xt_", xt_);
    ar& make_nvp("yr_", yr_);
    ar& make_nvp("ys_", ys_);
    ar& make_nvp("yt_", yt_);
    ar& make_nvp("gr_", gr_);
    ar& make_nvp("gs_", gs_);
    ar& make_nvp("gt_", gt_);
    ar& make_nvp("hr_", hr_);
    ar& make_nvp("hs_", hs_);
    ar& make_nvp("ht_", ht_);
    ar& make_nvp("pr_", pr_);
    ar& make_nvp("ps_", ps_);
    ar& make_nvp("vr_", vr_);
    ar& make_nvp("vs_", vs_);
  }
};

// The shortest period of a periodic action: a period below it would run the
// action at every turn of the executor.
constexpr long MinPeriod = 1;

// Raises the six periods to MinPeriod where they are shorter. Every way in
// for options (setters, loaders, dialogs) goes through it.
void RaiseShortPeriods(NodeOpt& opt);

}  // namespace PardeloStravon
