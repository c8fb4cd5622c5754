#pragma once
// The views' services as the program installs them: the password check
// runs the password dialog, graphs open and print in their own windows and
// the settings form opens in a window of its own.
#include "document/ViewServices.h"

namespace PardeloStravon {

class WindowViewServices : public ViewServices {
 public:
  GphView* NewGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to, bool follow,
                      bool print) override;
  bool PrintGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to) override;
  bool CheckPassword(const std::wstring& stored) override;
  void OpenSettingsForm(QziDoc* doc, int address) override;
};

}  // namespace PardeloStravon
