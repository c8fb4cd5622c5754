#include "views/dialogs/MoreTable.h"

#include <functional>
#include <optional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/Node.h"

namespace PardeloStravon {
namespace {

// The rows in parameter order with the sub-group entry k and group entry g
// the options give each; newSub and newGrp mark where k, and then g, change.
// A group change is looked at only where the sub-group changes.
void WalkRows(const MoreOptions& o, const std::function<void(int i, int k, int g, bool newSub, bool newGrp)>& row) {
  int lastK = -1, lastG = -1;
  const int n = static_cast<int>(o.pVIPOFrm_->size());
  for (int i = 0; i < n; ++i) {
    const int k = o.pVIPOFrm_->at(static_cast<std::size_t>(i)).frmSubIdx_;
    const int g = o.pVIPOFrmSub_->at(static_cast<std::size_t>(k)).frmGrpIdx_;
    bool newSub = false, newGrp = false;
    if (k != lastK) {
      lastK = k;
      newSub = true;
      if (g != lastG) {
        lastG = g;
        newGrp = true;
      }
    }
    row(i, k, g, newSub, newGrp);
  }
}

std::wstring SubTitle(const InstrParPure& p) { return DictTextAt(static_cast<std::size_t>(p.ParSubGroup().groupSubDlg)); }

std::wstring GroupTitle(const InstrParPure& p) {
  return DictTextAt(static_cast<std::size_t>(GroupRecAt(p.ParSubGroup().groupSubGroup).groupDlg));
}

// A sub-group's default new-column flag: whether its first parameter turns
// settable or non-settable against the first one of the sub-group before.
class NewColumnRule {
 public:
  bool Next(const InstrParPure& first) {
    const bool result = previous_.has_value() && *previous_ != first.ParIsSet();
    previous_ = first.ParIsSet();
    return result;
  }

 private:
  std::optional<bool> previous_;
};

const InstrParPure& Par(const InstrPars& pars, int i) { return *pars.at(static_cast<std::size_t>(i)); }

}  // namespace

void RefreshCells(MoreCells& cells, const Node& node, const MoreOptions& o, bool tmDhms) {
  const InstrPars pars = node.Type().Pars();
  const InstrParValues values = node.Values();
  const bool readings = node.HasReadings(), settings = node.HasSettings();
  NewColumnRule newColumn;
  WalkRows(o, [&](int i, int k, int g, bool newSub, bool newGrp) {
    const InstrParPure& p = Par(pars, i);
    const auto at = static_cast<std::size_t>(i);
    const bool hasValue = (p.ParIsRead() && readings) || (p.ParIsSet() && settings);
    cells.SetCellText(colValue, i, hasValue ? ValueToTextFmt(*p.ParRange(), values.at(at), tmDhms) : L"***");
    cells.SetCellText(colStatusText, i, p.ParSt());
    cells.SetCellCheck(colStatusDefault, i, p.ParIsDSt());
    cells.SetCellText(colStOpt, i, o.pVIPOSt_->at(at).stTextOpt_);
    cells.SetCellCheck(colStDef, i, o.pVIPOSt_->at(at).stDefOpt_);
    cells.SetCellText(colPlotText, i, p.ParSt());
    cells.SetCellCheck(colPlotDefault, i, p.ParIsDSt());
    cells.SetCellText(colPltOpt, i, o.pVIPOPlt_->at(at).pltTextOpt_);
    cells.SetCellCheck(colPltDef, i, o.pVIPOPlt_->at(at).pltDefOpt_);
    cells.SetCellText(colFormText, i, p.ParDlg());
    cells.SetCellCheck(colFormShown, i, 1);
    cells.SetCellCheck(colFormFree, i, 0);
    cells.SetCellCheck(colFormNewCol, i, 0);
    const InstrParOptFrm& frm = o.pVIPOFrm_->at(at);
    cells.SetCellText(colFrmOpt, i, frm.frmTextOpt_);
    cells.SetCellCheck(colFrmDef, i, frm.frmDefOpt_);
    cells.SetCellCheck(colFrmFree, i, frm.frmFreeOpt_);
    cells.SetCellCheck(colFrmNewCol, i, frm.frmNewCol_);
    if (newSub) {
      const InstrParOptFrmSub& sub = o.pVIPOFrmSub_->at(static_cast<std::size_t>(k));
      cells.SetCellText(colSubTitle, i, SubTitle(p));
      cells.SetCellCheck(colSubShown, i, p.ParIsRead());
      cells.SetCellCheck(colSubNewCol, i, newColumn.Next(p));
      cells.SetCellText(colSubOpt, i, sub.frmTextOptSub_);
      cells.SetCellCheck(colSubDef, i, sub.frmDefOptSub_);
      cells.SetCellCheck(colSubNewColOpt, i, sub.frmSubNewCol_);
    }
    if (newGrp) {
      const InstrParOptFrmGrp& grp = o.pVIPOFrmGrp_->at(static_cast<std::size_t>(g));
      cells.SetCellText(colGrpTitle, i, GroupTitle(p));
      cells.SetCellCheck(colGrpShown, i, p.ParIsSet());
      cells.SetCellCheck(colGrpNewCol, i, 0);
      cells.SetCellText(colGrpOpt, i, grp.frmTextOptGrp_);
      cells.SetCellCheck(colGrpDef, i, grp.frmDefOptGrp_);
      cells.SetCellCheck(colGrpNewColOpt, i, grp.frmGrpNewCol_);
    }
  });
}

void DefaultOptions(const InstrPars& pars, const MoreOptions& o) {
  NewColumnRule newColumn;
  WalkRows(o, [&](int i, int k, int g, bool newSub, bool newGrp) {
    const InstrParPure& p = Par(pars, i);
    const auto at = static_cast<std::size_t>(i);
    o.pVIPOSt_->at(at).stTextOpt_ = p.ParSt();
    o.pVIPOSt_->at(at).stDefOpt_ = p.ParIsDSt();
    o.pVIPOPlt_->at(at).pltTextOpt_ = p.ParSt();
    o.pVIPOPlt_->at(at).pltDefOpt_ = p.ParIsDSt();
    InstrParOptFrm& frm = o.pVIPOFrm_->at(at);
    frm.frmTextOpt_ = p.ParDlg();
    frm.frmDefOpt_ = true;
    frm.frmFreeOpt_ = false;
    frm.frmNewCol_ = false;
    if (newSub) {
      InstrParOptFrmSub& sub = o.pVIPOFrmSub_->at(static_cast<std::size_t>(k));
      sub.frmTextOptSub_ = SubTitle(p);
      sub.frmDefOptSub_ = p.ParIsRead();
      sub.frmSubNewCol_ = newColumn.Next(p);
    }
    if (newGrp) {
      InstrParOptFrmGrp& grp = o.pVIPOFrmGrp_->at(static_cast<std::size_t>(g));
      grp.frmTextOptGrp_ = GroupTitle(p);
      grp.frmDefOptGrp_ = p.ParIsSet();
      grp.frmGrpNewCol_ = false;
    }
  });
}

void ReadCells(MoreCells& cells, const MoreOptions& o) {
  WalkRows(o, [&](int i, int k, int g, bool newSub, bool newGrp) {
    const auto at = static_cast<std::size_t>(i);
    cells.GetCellText(colStOpt, i, o.pVIPOSt_->at(at).stTextOpt_);
    cells.GetCellCheck(colStDef, i, o.pVIPOSt_->at(at).stDefOpt_);
    cells.GetCellText(colPltOpt, i, o.pVIPOPlt_->at(at).pltTextOpt_);
    cells.GetCellCheck(colPltDef, i, o.pVIPOPlt_->at(at).pltDefOpt_);
    InstrParOptFrm& frm = o.pVIPOFrm_->at(at);
    cells.GetCellText(colFrmOpt, i, frm.frmTextOpt_);
    cells.GetCellCheck(colFrmDef, i, frm.frmDefOpt_);
    cells.GetCellCheck(colFrmFree, i, frm.frmFreeOpt_);
    cells.GetCellCheck(colFrmNewCol, i, frm.frmNewCol_);
    if (newSub) {
      InstrParOptFrmSub& sub = o.pVIPOFrmSub_->at(static_cast<std::size_t>(k));
      cells.GetCellText(colSubOpt, i, sub.frmTextOptSub_);
      cells.GetCellCheck(colSubDef, i, sub.frmDefOptSub_);
      cells.GetCellCheck(colSubNewColOpt, i, sub.frmSubNewCol_);
    }
    if (newGrp) {
      InstrParOptFrmGrp& grp = o.pVIPOFrmGrp_->at(static_cast<std::size_t>(g));
      cells.GetCellText(colGrpOpt, i, grp.frmTextOptGrp_);
      cells.GetCellCheck(colGrpDef, i, grp.frmDefOptGrp_);
      cells.GetCellCheck(colGrpNewColOpt, i, grp.frmGrpNewCol_);
    }
  });
}

}  // namespace PardeloStravon
