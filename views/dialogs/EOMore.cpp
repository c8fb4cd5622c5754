#include "views/dialogs/EOMore.h"

#include <wx/button.h>
#include <wx/display.h>
#include <wx/utils.h>

#include <optional>
#include <unordered_set>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/Node.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ControlAccess.h"
#include "views/dialogs/DialogBuilder.h"

namespace PardeloStravon {
namespace {

constexpr int IdOk = MoreFirstId;
constexpr int IdCancel = MoreFirstId + 1;
constexpr int IdDefault = MoreFirstId + 2;
constexpr int IdRefresh = MoreFirstId + 3;

// The parameter rows' edits get their texts from the first Refresh: made
// empty, they are spared setting the template's placeholder first.
std::vector<InterfItem> WithoutRowPlaceholders(std::vector<InterfItem> items, const MoreLayout& layout) {
  std::unordered_set<int> refreshed;
  for (const int column : {colValue, colStatusText, colStOpt, colPlotText, colPltOpt, colFormText, colFrmOpt})
    for (const int id : layout.ids_.at(column))
      if (id != 0) refreshed.insert(id);
  for (InterfItem& item : items)
    if (refreshed.count(item.id_) != 0) item.text_.clear();
  return items;
}

}  // namespace

EOMore::EOMore(std::vector<InstrParOptSt>* pVIPOSt, std::vector<InstrParOptPlt>* pVIPOPlt,
               std::vector<InstrParOptFrm>* pVIPOFrm, std::vector<InstrParOptFrmSub>* pVIPOFrmSub,
               std::vector<InstrParOptFrmGrp>* pVIPOFrmGrp, MoreLayout layout, const std::vector<InterfItem>& items)
    : DlgScroll(nullptr, WithoutRowPlaceholders(items, layout)),
      layout_(std::move(layout)),
      options_{pVIPOSt, pVIPOPlt, pVIPOFrm, pVIPOFrmSub, pVIPOFrmGrp} {
  using Platform::ToWxId;
  // Enter, Escape and the close box reach OK and Cancel as the buttons do.
  SetAffirmativeId(ToWxId(IdOk));
  SetEscapeId(ToWxId(IdCancel));
  Bind(wxEVT_BUTTON, &EOMore::OnOK, this, ToWxId(IdOk));
  Bind(wxEVT_BUTTON, &EOMore::OnCancel, this, ToWxId(IdCancel));
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDefault(); }, ToWxId(IdDefault));
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Refresh(); }, ToWxId(IdRefresh));
  Bind(wxEVT_CHAR_HOOK, &EOMore::OnCharHook, this);
  for (wxWindow* child : Content().GetChildren()) {
    try {
      cells_.emplace(Platform::FromWxId(child->GetId()), child);
    } catch (const Platform::UnmappedId&) {
      // Not one of the table's controls.
    }
  }
}

void EOMore::OnInitDialog() {
  wxBusyCursor wait;
  DlgScroll::OnInitDialog();
  const wxSize full = DialogSizeToPixels(Content(), InterfItem(0, 0, 0, L"", 0, 0, layout_.width_, layout_.height_, 0, 0, L""));
  SetFullSize(full.x, full.y);
  // Without a window manager nothing maximises: take the work area.
  Maximize(true);
  if (!IsMaximized()) SetSize(wxDisplay(static_cast<wxWindow*>(this)).GetClientArea());
  Refresh();
}

void EOMore::Refresh() { RefreshCells(*this, *layout_.pNode_, options_, layout_.tmDhms_); }

void EOMore::OnDefault() {
  DefaultOptions(layout_.pNode_->Type().Pars(), options_);
  Refresh();
}

void EOMore::ReadControls() { ReadCells(*this, options_); }

void EOMore::OnOK(wxCommandEvent&) {
  ReadControls();
  EndModal(wxID_OK);
}

void EOMore::OnCancel(wxCommandEvent&) { EndModal(wxID_CANCEL); }

// Enter confirms wherever the focus is but on a button, as the framework's
// dialogs do.
void EOMore::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || dynamic_cast<wxButton*>(FindFocus()) != nullptr)
    return event.Skip();
  wxCommandEvent ok(wxEVT_BUTTON, GetAffirmativeId());
  ok.SetEventObject(this);
  ProcessWindowEvent(ok);
}

int EOMore::CellId(int column, int row) const {
  return layout_.ids_.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
}

wxWindow* EOMore::CellWindow(int id) {
  const auto found = cells_.find(id);
  return found == cells_.end() ? nullptr : found->second;
}

bool EOMore::SetCellText(int column, int row, const std::wstring& text) {
  const int id = CellId(column, row);
  if (id == 0) return false;
  if (wxWindow* cell = CellWindow(id))
    Platform::SetControlText(*cell, text);
  else
    EditSetText(this, id, text);
  return true;
}

bool EOMore::SetCellCheck(int column, int row, int state) {
  const int id = CellId(column, row);
  if (id == 0) return false;
  if (wxWindow* cell = CellWindow(id))
    Platform::SetCheckState(*cell, state);
  else
    ButtonSetCheck(this, id, state);
  return true;
}

bool EOMore::GetCellText(int column, int row, std::wstring& text) {
  const int id = CellId(column, row);
  if (id == 0) return false;
  wxWindow* cell = CellWindow(id);
  text = cell != nullptr ? Platform::ControlText(*cell) : EditGetText(this, id);
  return true;
}

bool EOMore::GetCellCheck(int column, int row, bool& check) {
  const int id = CellId(column, row);
  if (id == 0) return false;
  wxWindow* cell = CellWindow(id);
  check = cell != nullptr ? Platform::CheckState(*cell) != 0 : ButtonGetCheck(this, id);
  return true;
}

bool EditAdvancedOptions(std::vector<InstrParOptSt>& vIPOSt, std::vector<InstrParOptPlt>& vIPOPlt,
                         std::vector<InstrParOptFrm>& vIPOFrm, std::vector<InstrParOptFrmSub>& vIPOFrmSub,
                         std::vector<InstrParOptFrmGrp>& vIPOFrmGrp, Node& node, bool supervisor, bool tmDhms) {
  std::vector<InstrParOptSt> st = vIPOSt;
  std::vector<InstrParOptPlt> plt = vIPOPlt;
  std::vector<InstrParOptFrm> frm = vIPOFrm;
  std::vector<InstrParOptFrmSub> sub = vIPOFrmSub;
  std::vector<InstrParOptFrmGrp> grp = vIPOFrmGrp;
  std::optional<wxBusyCursor> wait(std::in_place);
  std::vector<InterfItem> items;
  MoreLayout layout = MakeMoreLayout(node, supervisor, tmDhms, items);
  EOMore dialog(&st, &plt, &frm, &sub, &grp, std::move(layout), items);
  wait.reset();
  const int result = dialog.ShowModal();
  if (result != wxID_OK) return false;
  vIPOSt = st;
  vIPOPlt = plt;
  vIPOFrm = frm;
  vIPOFrmSub = sub;
  vIPOFrmGrp = grp;
  return true;
}

}  // namespace PardeloStravon
