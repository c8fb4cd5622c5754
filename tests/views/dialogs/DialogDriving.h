#pragma once
// Reaching a dialog's edit boxes as a user does, beside DialogDrive.h: the
// box itself, and the focus leaving it.
class wxTextCtrl;
class wxWindow;

namespace TestSupport {

// The edit box under the system's id; throws when there is none.
wxTextCtrl& EditBox(wxWindow& dialog, int systemId);
// The focus leaves the field.
void LeaveField(wxWindow& dialog, int systemId);

}  // namespace TestSupport
