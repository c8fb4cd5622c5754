#pragma once
// Text and check state of a dialog's controls by control identifier. A
// missing control is a programming error: it throws std::bad_cast (as
// Platform::ControlNotFound) naming the helper, and changes nothing.
#include <string>

class wxWindow;

namespace PardeloStravon {

void EditSetText(wxWindow* pDlg, int id, const std::wstring& text);
std::wstring EditGetText(wxWindow* pWnd, int id);
// 1 (true) checks, 0 (false) clears, 2 shows the box indeterminate.
void ButtonSetCheck(wxWindow* pWnd, int id, int state);
// True when checked or indeterminate.
bool ButtonGetCheck(wxWindow* pWnd, int id);

}  // namespace PardeloStravon
