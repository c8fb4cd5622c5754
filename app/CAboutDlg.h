#pragma once
// The About box (dialog 100): the product bitmap, the version text and the
// owner notice; its caption and button follow the language.
#include <vector>

#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

constexpr int IDC_ABOUT_VERSION = 1303;
constexpr int IDC_ABOUT_OWNER = 1304;

std::vector<InterfItem> CAboutDlgItems();

class CAboutDlg : public ItemDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);

 private:
  void OnInitDialog(wxInitDialogEvent& event);
};

}  // namespace PardeloStravon
