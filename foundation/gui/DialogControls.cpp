#include "foundation/gui/DialogControls.h"

#include "platform/gui/ControlAccess.h"

namespace PardeloStravon {

using Platform::FindControl;

void EditSetText(wxWindow* pDlg, int id, const std::wstring& text) {
  Platform::SetControlText(FindControl(pDlg, id, "In QZ::EditSetText(CDialog* pDlg,int id,std::wstring text)"),
                           text);
}

std::wstring EditGetText(wxWindow* pWnd, int id) {
  return Platform::ControlText(FindControl(pWnd, id, "In QZ::EditGetText(CWnd* pWnd,int id)"));
}

void ButtonSetCheck(wxWindow* pWnd, int id, int state) {
  Platform::SetCheckState(FindControl(pWnd, id, "In ButtonSetCheck(CWnd* pWnd,int id,bool check)"), state);
}

bool ButtonGetCheck(wxWindow* pWnd, int id) {
  return Platform::CheckState(FindControl(pWnd, id, "In QZ::ButtonGetCheck(CWnd* pWnd,int id)")) != 0;
}

}  // namespace PardeloStravon
