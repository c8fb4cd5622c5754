#pragma once
// The views' services as the program installs them: the password check
// runs the password dialog and graphs open and print in their own windows;
// the settings form answers as a cancelled dialog until its window is added
// here.
#include "document/ViewServices.h"

namespace PardeloStravon {

class WindowViewServices : public ViewServices {
 public:
  GphView* NewGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to, bool follow,
                      bool print) override;
  bool PrintGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to) override;
  bool CheckPassword(const std::wstring& stored) override;
};

}  // namespace PardeloStravon
