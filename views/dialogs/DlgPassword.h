#pragma once
// Asks for a password; the caption stays empty.
#include <vector>

#include "platform/CString.h"
#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class DlgPassword : public ItemDialog {
 public:
  explicit DlgPassword(wxWindow* parent = nullptr);

  CString pass_;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
};

std::vector<InterfItem> DlgPasswordItems();

}  // namespace PardeloStravon
