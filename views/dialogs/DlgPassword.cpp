#include "views/dialogs/DlgPassword.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using Platform::IDCANCEL;
using Platform::IDOK;

constexpr int PassId = 1216;
constexpr int LabelId = 32845;

}  // namespace

std::vector<InterfItem> DlgPasswordItems() {
  return {
      ResourceFrame(L"", 187, 45),
      GroupLabel(LabelId, L"Password:", 7, 7, 40, 11),
      BorderEdit(PassId, 53, 7, 44, 12, Platform::ES_PASSWORD),
      DefaultButton(IDOK, L"OK", 130, 7, 50, 14),
      PushButton(IDCANCEL, L"Cancel", 130, 24, 50, 14),
  };
}

DlgPassword::DlgPassword(wxWindow* parent) : ItemDialog(parent, DlgPasswordItems()) {
  Bind(wxEVT_INIT_DIALOG, &DlgPassword::OnInitDialog, this);
}

void DlgPassword::DoDataExchange(DataExchange& dx) { DDX_Text(&dx, PassId, pass_); }

void DlgPassword::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  EditSetText(this, LabelId, DictText(CTW_ID_PASSWORD));
}

}  // namespace PardeloStravon
