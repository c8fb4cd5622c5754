#include "views/dialogs/InstrPick.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/Prompts.h"
#include "network/DocServices.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/SimpleComboBox.h"
#include "views/dialogs/PickRules.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using Platform::IDCANCEL;
using Platform::IDOK;

constexpr int ComboId = 1000;

}  // namespace

std::vector<InterfItem> InstrPickItems() {
  return {
      ResourceFrame(L"Please select an instrument", 183, 75),
      DefaultButton(IDOK, L"OK", 142, 7, 31, 14),
      PushButton(IDCANCEL, L"Cancel", 142, 24, 31, 14),
      SimpleCombo(ComboId, 7, 7, 130, 61),
  };
}

InstrPick::InstrPick(DocServices& doc, int mode, wxWindow* parent)
    : ItemDialog(parent, InstrPickItems()), doc_(doc), mode_(mode) {
  Bind(wxEVT_INIT_DIALOG, &InstrPick::OnInitDialog, this);
}

// What a strict conversion refuses, and an address the lists never offer
// that no instrument holds, stay in the dialog: such an address would reach
// the network as a node whose every reading is refused.
void InstrPick::DoDataExchange(DataExchange& dx) {
  DDX_WString(&dx, ComboId, sel_);
  if (!dx.IsSaving()) return;
  const std::optional<int> address = TextToPickAddress(sel_);
  if (!address) dx.Fail(ComboId, PromptText(CTW_PR_Enter_Integer));
  const bool offered = *address >= FirstPickAddress && *address <= LastPickAddress;
  if (!offered && !doc_.NetOpt().Network().IsPresent(*address))
    dx.Fail(ComboId, RangePrompt(FirstPickAddress, LastPickAddress));
  address_ = *address;
}

void InstrPick::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  SetTitle(DictText(CTW_ID_PLEASE_SEL_AN_INSTR));
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  auto& combo = dynamic_cast<Platform::SimpleComboBox&>(Platform::FindControl(this, ComboId, "InstrPick"));
  // The toolkit may initialise a shown dialog again: fill the list afresh.
  combo.Clear();
  for (const std::wstring& entry : InstrumentEntries(doc_.NetOpt().Network(), mode_)) combo.Append(entry);
}

int PickInstrument(DocServices& doc, int mode) {
  InstrPick dialog(doc, mode);
  if (dialog.DoModal() != IDOK) return 0;
  return dialog.address_;
}

}  // namespace PardeloStravon
