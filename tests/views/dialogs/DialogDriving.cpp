#include "tests/views/dialogs/DialogDriving.h"

#include <wx/textctrl.h>

#include <stdexcept>
#include <string>

#include "platform/gui/CommandIds.h"

namespace TestSupport {

wxTextCtrl& EditBox(wxWindow& dialog, int systemId) {
  auto* edit = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(Platform::ToWxId(systemId)));
  if (edit == nullptr) throw std::logic_error("no edit box " + std::to_string(systemId));
  return *edit;
}

void LeaveField(wxWindow& dialog, int systemId) {
  wxTextCtrl& edit = EditBox(dialog, systemId);
  wxFocusEvent leave(wxEVT_KILL_FOCUS, edit.GetId());
  leave.SetEventObject(&edit);
  edit.GetEventHandler()->ProcessEvent(leave);
}

}  // namespace TestSupport
