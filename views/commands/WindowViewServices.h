#pragma once
// The views' services as the program installs them: the password check
// runs the password dialog; graphs and the settings form answer as a
// cancelled dialog until their windows are added here.
#include "document/ViewServices.h"

namespace PardeloStravon {

class WindowViewServices : public ViewServices {
 public:
  bool CheckPassword(const std::wstring& stored) override;
};

}  // namespace PardeloStravon
