#pragma once
// Per-parameter display options of a node: what the status view, the graph
// and the settings form show of each parameter, sub-group and group.
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <string>

namespace PardeloStravon {

// Status view: one per parameter.
struct InstrParOptSt {
  std::wstring stTextOpt_;  // label
  bool stDefOpt_ = false;   // shown in the node's status text

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("stTextOpt_", stTextOpt_);
    ar& boost::serialization::make_nvp("stDefOpt_", stDefOpt_);
  }
};

// Graph: one per parameter.
struct InstrParOptPlt {
  std::wstring pltTextOpt_;  // label
  bool pltDefOpt_ = false;   // plotted

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("pltTextOpt_", pltTextOpt_);
    ar& boost::serialization::make_nvp("pltDefOpt_", pltDefOpt_);
  }
};

// Settings form: one row per parameter.
struct InstrParOptFrm {
  std::wstring frmTextOpt_;  // row label
  bool frmDefOpt_ = false;   // row shown
  bool frmFreeOpt_ = false;  // may mix old and new values into the settings sent
  int frmSubIdx_ = 0;        // entry of its sub-group; rebuilt, never saved
  bool frmNewCol_ = false;   // the row starts a new column

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("frmTextOpt_", frmTextOpt_);
    ar& boost::serialization::make_nvp("frmDefOpt_", frmDefOpt_);
    ar& boost::serialization::make_nvp("frmFreeOpt_", frmFreeOpt_);
    ar& boost::serialization::make_nvp("frmNewCol_", frmNewCol_);
  }
};

// Settings form: one heading per run of parameters of one sub-group.
struct InstrParOptFrmSub {
  std::wstring frmTextOptSub_;  // heading
  bool frmDefOptSub_ = false;   // heading shown
  int frmGrpIdx_ = 0;           // entry of its group; rebuilt, never saved
  bool frmSubNewCol_ = false;   // the heading starts a new column

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("frmTextOptSub_", frmTextOptSub_);
    ar& boost::serialization::make_nvp("frmDefOptSub_", frmDefOptSub_);
    ar& boost::serialization::make_nvp("frmSubNewCol_", frmSubNewCol_);
  }
};

// Settings form: one heading per run of sub-group entries of one group.
struct InstrParOptFrmGrp {
  std::wstring frmTextOptGrp_;  // heading
  bool frmDefOptGrp_ = false;   // heading shown
  bool frmGrpNewCol_ = false;   // the heading starts a new column

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("frmTextOptGrp_", frmTextOptGrp_);
    ar& boost::serialization::make_nvp("frmDefOptGrp_", frmDefOptGrp_);
    ar& boost::serialization::make_nvp("frmGrpNewCol_", frmGrpNewCol_);
  }
};

}  // namespace PardeloStravon
