#pragma once
// Asks for the old password and a new one twice; the caption stays empty.
#include <vector>

#include "platform/CString.h"
#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class DlgNewPass : public ItemDialog {
 public:
  explicit DlgNewPass(wxWindow* parent = nullptr);

  CString old_;
  CString new_;
  CString confirm_;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
};

std::vector<InterfItem> DlgNewPassItems();

}  // namespace PardeloStravon
