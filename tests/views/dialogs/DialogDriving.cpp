#include "tests/views/dialogs/DialogDriving.h"

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <stdexcept>

#include "platform/gui/CommandIds.h"
#include "tests/support/GuiTest.h"

namespace TestSupport {

wxTextCtrl& EditBox(wxWindow& dialog, int systemId) {
  auto* edit = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(Platform::ToWxId(systemId)));
  if (edit == nullptr) throw std::logic_error("no edit box " + std::to_string(systemId));
  return *edit;
}

void TypeInto(wxWindow& dialog, int systemId, const std::wstring& text) {
  wxTextCtrl& edit = EditBox(dialog, systemId);
  edit.SetFocus();
  edit.SetValue(text);
}

void LeaveField(wxWindow& dialog, int systemId) {
  wxTextCtrl& edit = EditBox(dialog, systemId);
  wxFocusEvent leave(wxEVT_KILL_FOCUS, edit.GetId());
  leave.SetEventObject(&edit);
  edit.GetEventHandler()->ProcessEvent(leave);
}

std::wstring ClickAndReadMessage(wxDialog& dialog, int systemId) {
  std::wstring message;
  ModalDriver box([&](wxDialog& shown) {
    if (auto* m = dynamic_cast<wxMessageDialogBase*>(&shown)) message = m->GetMessage().ToStdWstring();
    shown.EndModal(wxID_OK);
  });
  ClickButton(dialog, systemId);
  return message;
}

}  // namespace TestSupport
