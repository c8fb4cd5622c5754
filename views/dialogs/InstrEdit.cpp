#include "views/dialogs/InstrEdit.h"

#include <wx/textctrl.h>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/core/Duration.h"
#include "foundation/gui/DateTimeText.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/NodeOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/DurationExchange.h"
#include "views/dialogs/EOMore.h"
#include "views/dialogs/EditNodeCopies.h"
#include "views/dialogs/PrintPeriod.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// A static text; its text is set when the dialog opens.
InterfItem Label(int id, int x, int y, int cx, int cy, WinStyle align = SS_LEFT) {
  return InterfItem(id, ClassStatic, WS_CHILD | WS_VISIBLE | align, L"", x, y, cx, cy, 0, 0, L"");
}

// A field of the readings or the settings column: its row's label and the
// column's heading.
std::wstring Column(const std::wstring& rowToken, const std::wstring& columnToken) {
  return DictText(rowToken) + L" (" + DictText(columnToken) + L")";
}

// The duration edits, in the order of the format boxes that take them over.
const int DurationIds[6] = {IDC_EDINSTR_XS, IDC_EDINSTR_YS,   IDC_EDINSTR_GS,
                            IDC_EDINSTR_HS, IDC_EDINSTR_VS, IDC_EDINSTR_LOST_LINK};

// The next-due edits, in the order of the state's due times.
const int DueTimeIds[6] = {IDC_EDINSTR_XN, IDC_EDINSTR_YN, IDC_EDINSTR_GN,
                           IDC_EDINSTR_HN, IDC_EDINSTR_PN, IDC_EDINSTR_VN};

// The controls whose texts come from the dictionary, in the order they are set.
const struct {
  int id;
  const std::wstring& token;
} Texts[] = {
    {IDOK, CTW_OK},
    {IDCANCEL, CTW_Cancel},
    {IDC_EDINSTR_DEFAULT, CTW_Default},
    {IDC_EDINSTR_MORE, CTW_ID_INSTR_EDIT_MORE},
    {32824, CTW_ID_EDINSTR_INSTR_NR},
    {32825, CTW_ID_EDINSTR_NAME},
    {IDC_EDINSTR_ACTIVE, CTW_ID_INSTR_EDIT_ACTIVE},
    {1133, CTW_ID_INSTR_EDIT_COPY_ADV_FROM},
    {1120, CTW_ID_INSTR_EDIT_READ_CAPTION},
    {1121, CTW_ID_INSTR_EDIT_SET_CAPTION},
    {1102, CTW_ID_INSTR_EDIT_READ_ACTIVE},
    {1122, CTW_ID_INSTR_EDIT_READ_ST_UP},
    {32826, CTW_ID_EDINSTR_READ_INT},
    {32827, CTW_ID_EDINSTR_READ_NEXT},
    {1106, CTW_ID_INSTR_EDIT_REG_ACTIVE},
    {1130, CTW_ID_INSTR_EDIT_REG_ST_UP},
    {32828, CTW_ID_EDINSTR_REG_INT},
    {32829, CTW_ID_EDINSTR_REG_NEXT},
    {1109, CTW_ID_INSTR_EDIT_RV_ACTIVE},
    {32830, CTW_ID_EDINSTR_UPD_INT},
    {32831, CTW_ID_EDINSTR_UPD_NEXT},
    {1112, CTW_ID_INSTR_EDIT_RP_ACTIVE},
    {32832, CTW_ID_EDINSTR_PRINT_INT},
    {32833, CTW_ID_EDINSTR_PRINT_NEXT},
    {1116, CTW_ID_INSTR_EDIT_NOL_ACTIVE},
    {32834, CTW_ID_EDINSTR_LOST_LINK_TO},
};

}  // namespace

std::vector<InterfItem> InstrEditItems() {
  return {
      ResourceFrame(L"", 251, 333),
      DefaultButton(IDOK, L"", 159, 7, 37, 14),
      PushButton(IDCANCEL, L"", 206, 7, 37, 14),
      PushButton(IDC_EDINSTR_DEFAULT, L"", 159, 24, 37, 14),
      PushButton(IDC_EDINSTR_MORE, L"", 206, 25, 37, 14),
      Label(32824, 9, 8, 41, 8),
      BorderEdit(IDC_EDINSTR_ADDRESS, 113, 7, 25, 12, ES_RIGHT | WS_DISABLED),
      Label(32825, 9, 22, 47, 10),
      BorderEdit(IDC_EDINSTR_NAME, 56, 21, 82, 12),
      LeftTextCheckBox(IDC_EDINSTR_ACTIVE, L"", 9, 34, 129, 8),
      Label(1133, 9, 45, 150, 8),
      BorderEdit(IDC_EDINSTR_COPY_FROM, 159, 45, 32, 12, ES_RIGHT),
      Label(1120, 90, 57, 47, 8, SS_RIGHT),
      Label(1121, 161, 57, 45, 8),
      LeftTextCheckBox(1102, L"", 9, 71, 129, 8),
      LeftTextCheckBox(1124, L"", 159, 71, 8, 8),
      LeftTextCheckBox(1122, L"", 9, 84, 129, 8),
      LeftTextCheckBox(1123, L"", 159, 84, 8, 8),
      Label(32826, 9, 100, 93, 8),
      BorderEdit(IDC_EDINSTR_XS, 106, 99, 32, 12, ES_RIGHT),
      BorderEdit(IDC_EDINSTR_YS, 159, 99, 32, 12, ES_RIGHT),
      Label(32827, 9, 116, 47, 8),
      BorderEdit(IDC_EDINSTR_XN, 56, 115, 82, 12, ES_RIGHT),
      BorderEdit(IDC_EDINSTR_YN, 159, 115, 82, 12, ES_RIGHT),
      LeftTextCheckBox(1106, L"", 9, 133, 129, 8),
      LeftTextCheckBox(1127, L"", 159, 133, 8, 8),
      LeftTextCheckBox(1130, L"", 9, 146, 129, 8),
      LeftTextCheckBox(1131, L"", 159, 146, 8, 8),
      Label(32828, 9, 161, 97, 8),
      BorderEdit(IDC_EDINSTR_GS, 106, 160, 32, 12, ES_RIGHT),
      BorderEdit(IDC_EDINSTR_HS, 159, 160, 32, 12, ES_RIGHT),
      Label(32829, 9, 177, 47, 8),
      BorderEdit(IDC_EDINSTR_GN, 56, 176, 82, 12, ES_RIGHT),
      BorderEdit(IDC_EDINSTR_HN, 159, 176, 82, 12, ES_RIGHT),
      LeftTextCheckBox(1109, L"", 9, 207, 129, 8),
      Label(32830, 9, 222, 95, 8),
      BorderEdit(IDC_EDINSTR_VS, 106, 221, 32, 12, ES_RIGHT),
      Label(32831, 9, 238, 47, 8),
      BorderEdit(IDC_EDINSTR_VN, 56, 237, 82, 12, ES_RIGHT),
      LeftTextCheckBox(1112, L"", 9, 255, 129, 8),
      Label(32832, 9, 270, 97, 8),
      BorderEdit(IDC_EDINSTR_PS, 106, 269, 32, 12, ES_RIGHT),
      Label(32833, 9, 287, 47, 8),
      BorderEdit(IDC_EDINSTR_PN, 56, 285, 82, 12, ES_RIGHT),
      Label(32834, 9, 303, 97, 8),
      BorderEdit(IDC_EDINSTR_LOST_LINK, 106, 302, 32, 12, ES_RIGHT),
      LeftTextCheckBox(1116, L"", 9, 317, 129, 8),
  };
}

InstrEdit::InstrEdit(NodeOpt* pNodeOpt, NodeSt* pNodeSt, std::vector<InstrParOptSt>* pVIPOSt,
                     std::vector<InstrParOptPlt>* pVIPOPlt, std::vector<InstrParOptFrm>* pVIPOFrm,
                     std::vector<InstrParOptFrmSub>* pVIPOFrmSub, std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp,
                     Node* pNode, int address, bool supervisor, bool tmDhms)
    : ItemDialog(nullptr, InstrEditItems()),
      pNodeOpt_(pNodeOpt),
      pNodeSt_(pNodeSt),
      pVIPOSt_(pVIPOSt),
      pVIPOPlt_(pVIPOPlt),
      pVIPOFrm_(pVIPOFrm),
      pVIPOFrmSub_(pVIPOFrmSub),
      pVIPOFrmGrp_(pVIPOFrmGrp),
      pNode_(pNode),
      address_(address),
      supervisor_(supervisor),
      tmDhms_(tmDhms),
      editFmt_(6),
      shownSt_(*pNodeSt) {
  Bind(wxEVT_INIT_DIALOG, &InstrEdit::OnInitDialog, this);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDefault(); }, ToWxId(IDC_EDINSTR_DEFAULT));
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnMore(); }, ToWxId(IDC_EDINSTR_MORE));
}

void InstrEdit::DoDataExchange(DataExchange& dx) {
  DataExchange* pDX = &dx;
  NodeOpt& opt = *pNodeOpt_;
  DDX_Text(pDX, IDC_EDINSTR_ADDRESS, address_);
  int copyFrom = opt.cpyAdvFrm_;
  DDX_Text(pDX, IDC_EDINSTR_COPY_FROM, copyFrom);
  opt.cpyAdvFrm_ = copyFrom;
  DDX_WString(pDX, IDC_EDINSTR_NAME, opt.nm_);
  DDX_Bool(pDX, IDC_EDINSTR_ACTIVE, opt.act_);
  DDX_Bool(pDX, 1102, opt.xr_);
  DDX_Bool(pDX, 1122, opt.xt_);
  DDX_Bool(pDX, 1124, opt.yr_);
  DDX_Bool(pDX, 1123, opt.yt_);
  DDX_Bool(pDX, 1106, opt.gr_);
  DDX_Bool(pDX, 1130, opt.gt_);
  DDX_Bool(pDX, 1127, opt.hr_);
  DDX_Bool(pDX, 1131, opt.ht_);
  DDX_Bool(pDX, 1112, opt.pr_);
  DDX_Bool(pDX, 1109, opt.vr_);
  DDX_Bool(pDX, 1116, opt.actOnLinkAlarm_);
  // A period runs at least every second; a time-out may be 0. Each is
  // refused with its name and range when the field cannot hold it.
  DDX_DurationStrict(pDX, IDC_EDINSTR_XS, opt.xs_, tmDhms_,
                     {MinPeriod, MaxDuration, Column(CTW_ID_EDINSTR_READ_INT, CTW_ID_INSTR_EDIT_READ_CAPTION)});
  DDX_DurationStrict(pDX, IDC_EDINSTR_YS, opt.ys_, tmDhms_,
                     {MinPeriod, MaxDuration, Column(CTW_ID_EDINSTR_READ_INT, CTW_ID_INSTR_EDIT_SET_CAPTION)});
  DDX_DurationStrict(pDX, IDC_EDINSTR_GS, opt.gs_, tmDhms_,
                     {MinPeriod, MaxDuration, Column(CTW_ID_EDINSTR_REG_INT, CTW_ID_INSTR_EDIT_READ_CAPTION)});
  DDX_DurationStrict(pDX, IDC_EDINSTR_HS, opt.hs_, tmDhms_,
                     {MinPeriod, MaxDuration, Column(CTW_ID_EDINSTR_REG_INT, CTW_ID_INSTR_EDIT_SET_CAPTION)});
  DDX_DurationStrict(pDX, IDC_EDINSTR_VS, opt.vs_, tmDhms_, {MinPeriod, MaxDuration, DictText(CTW_ID_EDINSTR_UPD_INT)});
  DDX_DurationStrict(pDX, IDC_EDINSTR_LOST_LINK, opt.lostLinkDelay_, tmDhms_,
                     {0, MaxDuration, DictText(CTW_ID_EDINSTR_LOST_LINK_TO)});
  // Days on the screen, whole seconds in the node, in both directions.
  double days = PrintPeriodDays(opt.ps_);
  DDX_Text(pDX, IDC_EDINSTR_PS, days);
  const std::optional<long> seconds = PrintPeriodSeconds(days);
  if (pDX->IsSaving() && !PrintPeriodHeld(seconds))
    pDX->Fail(IDC_EDINSTR_PS, PrintPeriodRangePrompt(DictText(CTW_ID_EDINSTR_PRINT_INT)));
  if (seconds) opt.ps_ = *seconds;
  NodeSt& st = *pNodeSt_;
  DDX_TimeT(pDX, IDC_EDINSTR_XN, st.xn_);
  DDX_TimeT(pDX, IDC_EDINSTR_YN, st.yn_);
  DDX_TimeT(pDX, IDC_EDINSTR_GN, st.gn_);
  DDX_TimeT(pDX, IDC_EDINSTR_HN, st.hn_);
  DDX_TimeT(pDX, IDC_EDINSTR_PN, st.pn_);
  DDX_TimeT(pDX, IDC_EDINSTR_VN, st.vn_);
}

void InstrEdit::Load() {
  UpdateData(false);
  // What an untouched field reads back as: the value OK compares with.
  shownSt_ = *pNodeSt_;
  for (int k = 0; k < 6; ++k) {
    if (const auto dt = TextToDateTime(EditGetText(this, DueTimeIds[k])))
      shownSt_.*DueTimes[k] = OleDateTimeToTime(*dt);
  }
}

// The toolkit initialises the dialog at every Show; each time it starts from
// the copies.
void InstrEdit::OnInitDialog(wxInitDialogEvent&) {
  Load();
  for (int k = 0; k < 6; ++k) {
    if (tmDhms_)
      editFmt_[static_cast<std::size_t>(k)].SubclassWindow(
          dynamic_cast<wxTextCtrl*>(FindWindow(ToWxId(DurationIds[k]))));
  }
  SetTitle(DictText(CTW_ID_EDINSTR_CAPTION));
  for (const auto& t : Texts) EditSetText(this, t.id, DictText(t.token));
}

void InstrEdit::OnDefault() {
  const std::wstring name = pNodeOpt_->nm_;
  *pNodeOpt_ = NodeOpt();
  pNodeOpt_->nm_ = name;
  *pNodeSt_ = NodeSt();
  defaulted_ = true;
  Load();
}

void InstrEdit::OnMore() {
  EditAdvancedOptions(*pVIPOSt_, *pVIPOPlt_, *pVIPOFrm_, *pVIPOFrmSub_, *pVIPOFrmGrp_, *pNode_, supervisor_,
                      tmDhms_);
}

bool EditNode(InstrNet& net, int address, bool supervisor, bool tmDhms) {
  if (!net.IsPresent(address)) return false;
  CopyAdvancedOptions(net, address);
  Node& node = net.GetPresent(address);
  EditNodeCopies copies = EditNodeCopies::Of(node);
  bool confirmed = false;
  {
    InstrEdit dialog(&copies.opt, &copies.st, &copies.vIPOSt, &copies.vIPOPlt, &copies.vIPOFrm, &copies.vIPOFrmSub,
                     &copies.vIPOFrmGrp, &node, address, supervisor, tmDhms);
    confirmed = dialog.DoModal() == IDOK;
    if (confirmed) WriteBack(node, copies, dialog.ShownState(), dialog.Defaulted());
  }
  CopyAdvancedOptions(net, address);
  return confirmed;
}

}  // namespace PardeloStravon
