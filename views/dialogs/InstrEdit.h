#pragma once
// The edit-instrument dialog: a node's name, activity, copy-from address,
// the periods, start-up flags and next-due times of its periodic work and
// its lost-link handling. It edits copies that EditNode owns.
#include <vector>

#include "network/nodes/InstrParOpt.h"
#include "network/nodes/Node.h"
#include "network/nodes/NodeOpt.h"
#include "views/dialogs/CEditFmt.h"
#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class InstrNet;

// Control identifiers of the dialog.
enum InstrEditId {
  IDC_EDINSTR_DEFAULT = 1117,
  IDC_EDINSTR_MORE = 1119,
  IDC_EDINSTR_ADDRESS = 1105,
  IDC_EDINSTR_NAME = 1100,
  IDC_EDINSTR_ACTIVE = 1101,
  IDC_EDINSTR_COPY_FROM = 1132,
  IDC_EDINSTR_XS = 1103,
  IDC_EDINSTR_YS = 1125,
  IDC_EDINSTR_XN = 1104,
  IDC_EDINSTR_YN = 1126,
  IDC_EDINSTR_GS = 1107,
  IDC_EDINSTR_HS = 1128,
  IDC_EDINSTR_GN = 1108,
  IDC_EDINSTR_HN = 1129,
  IDC_EDINSTR_VS = 1110,
  IDC_EDINSTR_VN = 1111,
  IDC_EDINSTR_PS = 1113,
  IDC_EDINSTR_PN = 1114,
  IDC_EDINSTR_LOST_LINK = 1115,
};

// The dialog as its resource lays it out: caption and texts are set when it
// opens.
std::vector<InterfItem> InstrEditItems();

class InstrEdit : public ItemDialog {
 public:
  InstrEdit(NodeOpt* pNodeOpt, NodeSt* pNodeSt, std::vector<InstrParOptSt>* pVIPOSt,
            std::vector<InstrParOptPlt>* pVIPOPlt, std::vector<InstrParOptFrm>* pVIPOFrm,
            std::vector<InstrParOptFrmSub>* pVIPOFrmSub, std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp, Node* pNode,
            int address, bool supervisor, bool tmDhms);

  // The next-due times as the fields showed them when last filled, and
  // whether Default replaced them: OK writes back only those changed since.
  const NodeSt& ShownState() const { return shownSt_; }
  bool Defaulted() const { return defaulted_; }

  void OnDefault();
  void OnMore();

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
  // Reloads the controls from the copies and notes the due times shown.
  void Load();

  NodeOpt* pNodeOpt_;
  NodeSt* pNodeSt_;
  std::vector<InstrParOptSt>* pVIPOSt_;
  std::vector<InstrParOptPlt>* pVIPOPlt_;
  std::vector<InstrParOptFrm>* pVIPOFrm_;
  std::vector<InstrParOptFrmSub>* pVIPOFrmSub_;
  std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp_;
  Node* pNode_;
  int address_;
  bool supervisor_;
  bool tmDhms_;
  std::vector<CEditFmt> editFmt_;
  NodeSt shownSt_;
  bool defaulted_ = false;
};

// Edits the node at the address; true when the user confirmed. An absent
// address shows nothing and gives false.
bool EditNode(InstrNet& net, int address, bool supervisor, bool tmDhms);

}  // namespace PardeloStravon
