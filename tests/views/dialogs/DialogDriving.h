#pragma once
// Driving the dialogs as a user does: typing into a field, leaving it, and
// answering the message box of a refused field.
#include <string>

class wxDialog;
class wxTextCtrl;
class wxWindow;

namespace TestSupport {

// The edit box under the system's id; fails the test when there is none.
wxTextCtrl& EditBox(wxWindow& dialog, int systemId);
// Puts the focus there and replaces the text as typing does (a change event).
void TypeInto(wxWindow& dialog, int systemId, const std::wstring& text);
// The focus leaves the field.
void LeaveField(wxWindow& dialog, int systemId);
// Clicks the button and answers the message box it raises; its text, empty
// when none came.
std::wstring ClickAndReadMessage(wxDialog& dialog, int systemId);

}  // namespace TestSupport
