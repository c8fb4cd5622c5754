#include "views/dialogs/EditNodeCopies.h"

namespace PardeloStravon {

EditNodeCopies EditNodeCopies::Of(const Node& node) {
  return {node.Opt(),     node.State(),  node.OptSt(),    node.OptPlt(),
          node.OptFrm(),  node.OptFrmSub(), node.OptFrmGrp()};
}

NoInit<long, 0> NodeSt::* const DueTimes[6] = {&NodeSt::xn_, &NodeSt::yn_, &NodeSt::gn_,
                                                &NodeSt::hn_, &NodeSt::pn_, &NodeSt::vn_};

void WriteBack(Node& node, const EditNodeCopies& edited, const NodeSt& shown, bool allDueTimes) {
  node.SetOpt(edited.opt);
  node.UpdateState([&](NodeSt& st) {
    for (auto due : DueTimes)
      if (allDueTimes || static_cast<long>(edited.st.*due) != static_cast<long>(shown.*due))
        st.*due = edited.st.*due;
  });
  node.SetOptSt(edited.vIPOSt);
  node.SetOptPlt(edited.vIPOPlt);
  node.SetOptFrm(edited.vIPOFrm);
  node.SetOptFrmSub(edited.vIPOFrmSub);
  node.SetOptFrmGrp(edited.vIPOFrmGrp);
}

}  // namespace PardeloStravon
