#include "tests/views/dialogs/DialogDrive.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "foundation/catalogue/Dictionary.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/SimpleComboBox.h"
#include "tests/support/GuiTest.h"

namespace TestSupport {

void TypeInto(wxDialog& dialog, int id, const std::wstring& text) {
  wxWindow& control = Platform::FindControl(&dialog, id, "no such field");
  if (auto* combo = dynamic_cast<Platform::SimpleComboBox*>(&control))
    combo->Edit()->SetValue(text);
  else if (auto* edit = dynamic_cast<wxTextCtrl*>(&control))
    edit->SetValue(text);
  else
    ADD_FAILURE() << "control " << id << " takes no typing";
}

std::wstring ClickAnsweringPrompt(wxDialog& dialog, int buttonId) {
  std::wstring message;
  ModalDriver box([&](wxDialog& d) {
    if (auto* m = dynamic_cast<wxMessageDialogBase*>(&d)) message = m->GetMessage().ToStdWstring();
    d.EndModal(wxID_OK);
  });
  ClickButton(dialog, buttonId);
  return message;
}

bool FocusIsOn(wxDialog& dialog, int id) {
  wxWindow& control = Platform::FindControl(&dialog, id, "no such field");
  for (wxWindow* w = wxWindow::FindFocus(); w != nullptr; w = w->GetParent())
    if (w == &control) return true;
  return false;
}

void ShootInLanguage(wxDialog& dialog, const std::string& name) {
  const std::wstring language = PardeloStravon::DictLanguages().at(PardeloStravon::CurrentLanguage()).first;
  EXPECT_FALSE(SaveWindowShot(dialog, name + "_" + wxString(language).ToStdString()).empty());
}

}  // namespace TestSupport
