#pragma once
// The modal dialog in which the user chooses the language of the whole user
// interface. It changes nothing but the index it is given.
#include <wx/dialog.h>

#include <string>
#include <vector>

class wxInitDialogEvent;

namespace Platform {
class SimpleComboBox;
}

namespace PardeloStravon {

class DataExchange;

class DlgLanguage : public wxDialog {
 public:
  // The languages are read from the dictionary now; the labels when the
  // dialog opens, in the current language.
  explicit DlgLanguage(wxWindow* parent = nullptr);

  // Opens on the language at index (std::out_of_range before opening when
  // there is none). IDOK with index set when the user confirmed another
  // language; IDCANCEL otherwise; any other end of the dialog unchanged.
  int Run(int& index);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void DoDataExchange(DataExchange& dx);
  void OnInitDialog(wxInitDialogEvent& event);
  void WidenButtonsToTheirTexts();

  Platform::SimpleComboBox* combo_;
  std::wstring sel_;
  std::vector<std::wstring> items_;
};

// Runs the dialog on *index. True when the user chose another language,
// which is then in *index; false with *index unchanged otherwise.
bool SelectLanguage(int* index);

}  // namespace PardeloStravon
