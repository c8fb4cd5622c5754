#include "foundation/gui/DlgLanguage.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/LanguageChoice.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/NaturalSize.h"
#include "platform/gui/SimpleComboBox.h"
#include "platform/gui/WindowFront.h"

namespace PardeloStravon {
namespace {

constexpr int IdCombo = 1001;
// Pixels beyond a button's natural width: the toolkit may not yet have
// measured the text just set in the button's final style.
constexpr int ButtonSlack = 4;

}  // namespace

// Laid out as the dialog resource: 179 x 75 dialog units, the list left,
// OK and Cancel right.
DlgLanguage::DlgLanguage(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, L"Please select a language", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      items_(LanguageItems(DictLanguages())) {
  using Platform::ToWxId;
  auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
  auto size = [this](int cx, int cy) { return ConvertDialogToPixels(wxSize(cx, cy)); };
  combo_ = new Platform::SimpleComboBox(this, ToWxId(IdCombo), at(7, 7), size(118, 61));
  auto* ok = new wxButton(this, ToWxId(IDOK), L"OK", at(135, 7), size(31, 14));
  new wxButton(this, ToWxId(IDCANCEL), L"Cancel", at(135, 24), size(31, 14));
  ok->SetDefault();
  SetClientSize(size(179, 75));
  Bind(wxEVT_INIT_DIALOG, &DlgLanguage::OnInitDialog, this);
  Platform::FrontWhenShown(*this);
}

void DlgLanguage::DoDataExchange(DataExchange& dx) { DDX_WString(&dx, IdCombo, sel_); }

bool DlgLanguage::TransferDataToWindow() {
  return UpdateData(this, false, [this](DataExchange& dx) { DoDataExchange(dx); });
}

bool DlgLanguage::TransferDataFromWindow() {
  return UpdateData(this, true, [this](DataExchange& dx) { DoDataExchange(dx); });
}

// The list is still empty when the edit field receives the current entry,
// so no entry starts selected. The toolkit may initialise a shown dialog
// again, so the list is filled afresh.
void DlgLanguage::OnInitDialog(wxInitDialogEvent&) {
  combo_->Clear();
  TransferDataToWindow();
  SetTitle(DictText(CTW_ID_PLS_SEL_LNG));
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  for (const std::wstring& item : items_) combo_->Append(item);
  WidenButtonsToTheirTexts();
  // What the user types replaces the language shown.
  combo_->Edit()->SetFocus();
  combo_->Edit()->SelectAll();
}

// The buttons' texts come in the current language: a text wider than the
// resource's buttons widens both, and the dialog with them.
void DlgLanguage::WidenButtonsToTheirTexts() {
  wxWindow* buttons[] = {FindWindow(Platform::ToWxId(IDOK)), FindWindow(Platform::ToWxId(IDCANCEL))};
  int wanted = 0;
  for (wxWindow* b : buttons)
    if (b != nullptr) wanted = std::max(wanted, Platform::NaturalWidth(*b) + ButtonSlack);
  int grow = 0;
  for (wxWindow* b : buttons)
    if (b != nullptr) grow = std::max(grow, wanted - b->GetSize().x);
  if (grow <= 0) return;
  for (wxWindow* b : buttons)
    if (b != nullptr) b->SetSize(b->GetSize().x + grow, b->GetSize().y);
  SetClientSize(GetClientSize() + wxSize(grow, 0));
}

int DlgLanguage::Run(int& index) {
  sel_ = items_.at(static_cast<std::size_t>(index));
  const int result = ShowModal();
  if (result == wxID_CANCEL) return IDCANCEL;
  if (result != wxID_OK) return result;
  return ApplyLanguageChoice(items_, sel_, index);
}

bool SelectLanguage(int* index) {
  ASSERT_THROW(index != nullptr, L"In QZ::SelectLanguage(int* index): no language index");
  DlgLanguage dialog(nullptr);
  return dialog.Run(*index) == IDOK;
}

}  // namespace PardeloStravon
