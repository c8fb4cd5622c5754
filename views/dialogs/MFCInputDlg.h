#pragma once
// The small dialog that asks for one value (a text, an int or a float): a
// label, one edit box, OK, Cancel and Default, which puts the value's
// default back into the box. It exists only in memory, built from its items.
#include <string>
#include <vector>

#include "platform/CString.h"
#include "views/dialogs/InterfItem.h"
#include "views/dialogs/ItemDialog.h"

class wxCommandEvent;

namespace PardeloStravon {

// Control ids of the dialog.
constexpr int InputOkId = 9000;
constexpr int InputCancelId = 9001;
constexpr int InputDefaultId = 9002;
constexpr int InputLabelId = 9003;
constexpr int InputEditId = 9004;

// The dialog and its five controls, in tab order: edit box, label, OK,
// Cancel, Default; "Arial" 8 throughout.
std::vector<InterfItem> InputDlgItems(const std::wstring& label, const std::wstring& caption,
                                      const std::wstring& okText, const std::wstring& cancelText,
                                      const std::wstring& defaultText);

// T is CString, float or int.
template <class T>
class MFCInputDlg : public ItemDialog {
 public:
  MFCInputDlg(const std::vector<InterfItem>& items, T value, T def);

  T value_;
  T default_;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnDefault(wxCommandEvent& event);
};

// Asks for the value, showing value first; true when the user confirmed,
// with the value in *out; false with *out unchanged when the user cancelled
// or the dialog could not be made.
template <class T>
bool RunInputDlg(T value, T def, T* out, const std::wstring& label, const std::wstring& caption,
                 const std::wstring& okText, const std::wstring& cancelText, const std::wstring& defaultText);

// The text form, through the framework string.
bool RunInputDlg(const std::wstring& value, const std::wstring& def, std::wstring* out, const std::wstring& label,
                 const std::wstring& caption, const std::wstring& okText, const std::wstring& cancelText,
                 const std::wstring& defaultText);

// Each character cut to its low 8 bits, as ToNarrow does.
std::string CStringToNarrow(const CString& text);

extern template class MFCInputDlg<CString>;
extern template class MFCInputDlg<float>;
extern template class MFCInputDlg<int>;

}  // namespace PardeloStravon
