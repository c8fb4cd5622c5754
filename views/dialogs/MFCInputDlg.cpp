#include "views/dialogs/MFCInputDlg.h"

#include <wx/event.h>

#include <exception>

#include "foundation/core/Assert.h"
#include "foundation/core/FrameworkAdapters.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "foundation/gui/DataExchange.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/InterfWin.h"

namespace PardeloStravon {

using namespace Platform;

std::vector<InterfItem> InputDlgItems(const std::wstring& label, const std::wstring& caption,
                                      const std::wstring& okText, const std::wstring& cancelText,
                                      const std::wstring& defaultText) {
  const WinStyle button = WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_TABSTOP | BS_PUSHBUTTON;
  return {
      {0, 0, WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT, caption, 0, 0, 210, 109, 0, 0, L""},
      {InputEditId, ClassEdit, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_RIGHT, L"", 110, 35, 90, 64,
       0, 0, L""},
      {InputLabelId, ClassStatic, WS_CHILD | WS_VISIBLE, label, 10, 35, 90, 64, 0, 0, L""},
      {InputOkId, ClassButton, button, okText, 10, 10, 40, 15, 0, 0, L""},
      {InputCancelId, ClassButton, button, cancelText, 60, 10, 40, 15, 0, 0, L""},
      {InputDefaultId, ClassButton, button, defaultText, 110, 10, 40, 15, 0, 0, L""},
  };
}

template <class T>
MFCInputDlg<T>::MFCInputDlg(const std::vector<InterfItem>& items, T value, T def)
    : ItemDialog(nullptr, items), value_(value), default_(def) {
  Bind(wxEVT_BUTTON, &MFCInputDlg::OnDefault, this, ToWxId(InputDefaultId));
}

template <class T>
void MFCInputDlg<T>::DoDataExchange(DataExchange& dx) {
  DDX_Text(&dx, InputEditId, value_);
}

template <class T>
void MFCInputDlg<T>::OnDefault(wxCommandEvent&) {
  value_ = default_;
  UpdateData(false);
}

template class MFCInputDlg<CString>;
template class MFCInputDlg<float>;
template class MFCInputDlg<int>;

template <class T>
bool RunInputDlg(T value, T def, T* out, const std::wstring& label, const std::wstring& caption,
                 const std::wstring& okText, const std::wstring& cancelText, const std::wstring& defaultText) {
  ASSERT_THROW(out != nullptr, L"In RunInputDlg: no place for the value");
  try {
    // The template is written for its checks of every size, then the
    // dialog is built from the same items.
    const InterfWin win(InputDlgItems(label, caption, okText, cancelText, defaultText));
    win.WinTemplate();
    MFCInputDlg<T> dialog(win.Items(), value, def);
    if (dialog.DoModal() != IDOK) return false;
    *out = dialog.value_;
    return true;
  } catch (const std::exception& e) {
    ErrorLog << TimeStamp() + L" Error in RunInputDlg: " + ToWide(e.what()) << std::endl;
    return false;
  }
}

template bool RunInputDlg<CString>(CString, CString, CString*, const std::wstring&, const std::wstring&,
                                   const std::wstring&, const std::wstring&, const std::wstring&);
template bool RunInputDlg<float>(float, float, float*, const std::wstring&, const std::wstring&,
                                 const std::wstring&, const std::wstring&, const std::wstring&);
template bool RunInputDlg<int>(int, int, int*, const std::wstring&, const std::wstring&, const std::wstring&,
                               const std::wstring&, const std::wstring&);

bool RunInputDlg(const std::wstring& value, const std::wstring& def, std::wstring* out, const std::wstring& label,
                 const std::wstring& caption, const std::wstring& okText, const std::wstring& cancelText,
                 const std::wstring& defaultText) {
  ASSERT_THROW(out != nullptr, L"In RunInputDlg: no place for the text");
  CString text;
  if (!RunInputDlg<CString>(ToCString(value), ToCString(def), &text, label, caption, okText, cancelText,
                            defaultText))
    return false;
  *out = ToWString(text);
  return true;
}

std::string CStringToNarrow(const CString& text) { return ToNarrow(ToWString(text)); }

}  // namespace PardeloStravon
