#pragma once
// A modal dialog made from items: item 0 gives its caption, size and font,
// the others its controls. It stands for the framework's dialog class:
// DoDataExchange fills the controls when the dialog opens and reads them
// when the user confirms; a refused field keeps the dialog open.
#include <wx/dialog.h>

#include <vector>

#include "views/dialogs/InterfItem.h"

namespace PardeloStravon {

class DataExchange;

class ItemDialog : public wxDialog {
 public:
  // Throws what the builder throws when a control cannot be made.
  ItemDialog(wxWindow* parent, const std::vector<InterfItem>& items);

  // Runs the dialog; the system's id of the button that ended it (IDOK 1,
  // IDCANCEL 2 for the close box and Escape).
  int DoModal();

  // One exchange over the controls; false when a field was refused.
  bool UpdateData(bool saveAndValidate);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // The dialog's own initialisation sets its texts; then every text gets
  // the room it needs, the dialog grows to hold them and its title, and the
  // focus goes to the first field.
  void InitDialog() override;

 protected:
  virtual void DoDataExchange(DataExchange& dx);

 private:
  void OnCharHook(wxKeyEvent& event);
  void OnRunTimeOk(wxCommandEvent& event);
  void OnRunTimeCancel(wxCommandEvent& event);
  // Clicks the button as the user would; false when there is none.
  bool ClickIfPresent(int wxId);
  void FitToTexts();
  void FocusFirstField();

  std::vector<InterfItem> items_;
  std::vector<wxWindow*> controls_;
};

}  // namespace PardeloStravon
