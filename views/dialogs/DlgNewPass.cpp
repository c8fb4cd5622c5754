#include "views/dialogs/DlgNewPass.h"

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

constexpr int OldId = 1213;
constexpr int NewId = 1214;
constexpr int ConfirmId = 1215;
constexpr int OldLabelId = 32846;
constexpr int NewLabelId = 32847;
constexpr int ConfirmLabelId = 32848;

}  // namespace

std::vector<InterfItem> DlgNewPassItems() {
  using Platform::ES_PASSWORD;
  return {
      ResourceFrame(L"", 245, 65),
      GroupLabel(OldLabelId, L"Old password:", 7, 7, 96, 9),
      GroupLabel(NewLabelId, L"New password:", 7, 27, 96, 10),
      GroupLabel(ConfirmLabelId, L"Confirm new password:", 7, 47, 96, 9),
      BorderEdit(OldId, 105, 7, 44, 12, ES_PASSWORD),
      BorderEdit(NewId, 105, 27, 44, 12, ES_PASSWORD),
      BorderEdit(ConfirmId, 105, 47, 44, 12, ES_PASSWORD),
      DefaultButton(IDOK, L"OK", 174, 7, 50, 14),
      PushButton(IDCANCEL, L"Cancel", 174, 24, 50, 14),
  };
}

DlgNewPass::DlgNewPass(wxWindow* parent) : ItemDialog(parent, DlgNewPassItems()) {
  Bind(wxEVT_INIT_DIALOG, &DlgNewPass::OnInitDialog, this);
}

void DlgNewPass::DoDataExchange(DataExchange& dx) {
  DDX_Text(&dx, OldId, old_);
  DDX_Text(&dx, NewId, new_);
  DDX_Text(&dx, ConfirmId, confirm_);
}

void DlgNewPass::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  EditSetText(this, OldLabelId, DictText(CTW_ID_OLD_PASSWORD));
  EditSetText(this, NewLabelId, DictText(CTW_ID_NEW_PASSWORD));
  EditSetText(this, ConfirmLabelId, DictText(CTW_ID_CONFIRM_PASSWORD));
}

}  // namespace PardeloStravon
