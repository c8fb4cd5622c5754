#include "views/dialogs/ItemDialog.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "foundation/gui/DataExchange.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/SimpleComboBox.h"
#include "platform/gui/WindowFront.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/DialogBuilder.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// The affirmative and escape buttons of a dialog built at run time.
constexpr int RunTimeOk = RunTimeIdFirst;
constexpr int RunTimeCancel = RunTimeIdFirst + 1;

}  // namespace

ItemDialog::ItemDialog(wxWindow* parent, const std::vector<InterfItem>& items) : items_(items) {
  const InterfItem& dialog = items.at(0);
  Create(parent, wxID_ANY, dialog.text_, wxDefaultPosition, wxDefaultSize, DialogFrameStyle(dialog.style_));
  SetFont(DialogFont(dialog));
  controls_ = BuildControls(*this, items_);
  SetClientSize(DialogSizeToPixels(*this, dialog));
  if (FindWindow(ToWxId(RunTimeOk)) != nullptr) {
    SetAffirmativeId(ToWxId(RunTimeOk));
    Bind(wxEVT_BUTTON, &ItemDialog::OnRunTimeOk, this, ToWxId(RunTimeOk));
  }
  if (FindWindow(ToWxId(RunTimeCancel)) != nullptr) {
    SetEscapeId(ToWxId(RunTimeCancel));
    Bind(wxEVT_BUTTON, &ItemDialog::OnRunTimeCancel, this, ToWxId(RunTimeCancel));
  }
  Bind(wxEVT_CHAR_HOOK, &ItemDialog::OnCharHook, this);
  Centre();
  Platform::FrontWhenShown(*this);
}

void ItemDialog::InitDialog() {
  wxDialog::InitDialog();
  FitToTexts();
  FocusFirstField();
}

void ItemDialog::FitToTexts() {
  GiveTextsRoom(*this, items_, controls_);
  wxSize client = DialogSizeToPixels(*this, items_.at(0));
  client.x = std::max(client.x, TitleWidthNeeded(*this));
  if (client == GetClientSize()) return;
  SetClientSize(client);
  Centre();
}

// The first edit or list in tab order, else the first control that takes
// the keyboard: what the user types goes there, in place of the text shown.
void ItemDialog::FocusFirstField() {
  wxWindow* first = nullptr;
  for (wxWindow* control : controls_) {
    if (!control->IsShown() || !control->IsEnabled() || !control->CanAcceptFocusFromKeyboard()) continue;
    if (first == nullptr) first = control;
    if (dynamic_cast<wxTextCtrl*>(control) != nullptr || dynamic_cast<Platform::SimpleComboBox*>(control) != nullptr) {
      first = control;
      break;
    }
  }
  if (first == nullptr) return;
  first->SetFocus();
  wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(first);
  if (auto* combo = dynamic_cast<Platform::SimpleComboBox*>(first)) field = combo->Edit();
  if (field != nullptr) field->SelectAll();
}

int ItemDialog::DoModal() {
  const int result = ShowModal();
  try {
    return FromWxId(result);
  } catch (const UnmappedId&) {
    return result;
  }
}

bool ItemDialog::UpdateData(bool saveAndValidate) {
  return PardeloStravon::UpdateData(this, saveAndValidate, [this](DataExchange& dx) { DoDataExchange(dx); });
}

bool ItemDialog::TransferDataToWindow() { return UpdateData(false); }

bool ItemDialog::TransferDataFromWindow() { return UpdateData(true); }

void ItemDialog::DoDataExchange(DataExchange&) {}

void ItemDialog::OnRunTimeOk(wxCommandEvent&) {
  if (Validate() && TransferDataFromWindow()) EndModal(wxID_OK);
}

void ItemDialog::OnRunTimeCancel(wxCommandEvent&) { EndModal(wxID_CANCEL); }

bool ItemDialog::ClickIfPresent(int wxId) {
  auto* button = dynamic_cast<wxButton*>(FindWindow(wxId));
  if (button == nullptr || !button->IsEnabled()) return false;
  wxCommandEvent click(wxEVT_BUTTON, wxId);
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
  return true;
}

// Enter confirms the dialog wherever the focus is but on a button, as the
// framework's dialogs do; in a multi-line edit Ctrl+Enter starts a new line
// (a date format may hold line breaks).
void ItemDialog::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key != WXK_RETURN && key != WXK_NUMPAD_ENTER) return event.Skip();
  // The key's window is the one that has the focus.
  auto* focus = dynamic_cast<wxWindow*>(event.GetEventObject());
  if (focus == nullptr || focus == this) focus = FindFocus();
  if (dynamic_cast<wxButton*>(focus) != nullptr) return event.Skip();
  if (event.ControlDown()) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(focus); edit != nullptr && edit->IsMultiLine())
      edit->WriteText(L"\n");
    return;
  }
  if (auto* def = dynamic_cast<wxButton*>(GetDefaultItem()); def != nullptr && ClickIfPresent(def->GetId()))
    return;
  if (ClickIfPresent(GetAffirmativeId())) return;
  event.Skip();
}

}  // namespace PardeloStravon
