#pragma once
// The views' services as the program installs them: the password check
// runs the password dialog and the settings form opens in a window of its
// own; graphs answer as a cancelled dialog until their windows are added
// here.
#include "document/ViewServices.h"

namespace PardeloStravon {

class WindowViewServices : public ViewServices {
 public:
  bool CheckPassword(const std::wstring& stored) override;
  void OpenSettingsForm(QziDoc* doc, int address) override;
};

}  // namespace PardeloStravon
