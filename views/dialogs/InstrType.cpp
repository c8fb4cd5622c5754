#include "views/dialogs/InstrType.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/SimpleComboBox.h"
#include "views/dialogs/PickRules.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using Platform::IDCANCEL;
using Platform::IDOK;

constexpr int ComboId = 1010;

}  // namespace

std::vector<InterfItem> InstrTypeItems() {
  return {
      ResourceFrame(L"Please select instrument type", 234, 75),
      DefaultButton(IDOK, L"OK", 191, 7, 31, 14),
      PushButton(IDCANCEL, L"Cancel", 191, 24, 31, 14),
      SimpleCombo(ComboId, 7, 7, 142, 61),
  };
}

InstrType::InstrType(const std::vector<std::wstring>& codes, wxWindow* parent)
    : ItemDialog(parent, InstrTypeItems()), codes_(codes) {
  Bind(wxEVT_INIT_DIALOG, &InstrType::OnInitDialog, this);
}

void InstrType::DoDataExchange(DataExchange& dx) { DDX_WString(&dx, ComboId, sel_); }

void InstrType::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  SetTitle(DictText(CTW_ID_PLEASE_SEL_AN_INSTR_TYPE));
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  auto& combo = dynamic_cast<Platform::SimpleComboBox&>(Platform::FindControl(this, ComboId, "InstrType"));
  combo.Clear();
  for (const std::wstring& code : codes_) combo.Append(code);
}

std::wstring PickInstrType(const std::vector<std::wstring>& codes) {
  InstrType dialog(codes);
  if (dialog.DoModal() != IDOK) return L"";
  return ChosenCode(codes, dialog.sel_);
}

}  // namespace PardeloStravon
