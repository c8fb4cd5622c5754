#pragma once
// A dialog built at run time as a list of items (the dialog first, then its
// controls in tab order) and its classic dialog template.
#include <vector>

#include "foundation/values/VUC.h"
#include "views/dialogs/InterfItem.h"

namespace PardeloStravon {

class InterfWin {
 public:
  // At least the dialog and one control.
  explicit InterfWin(std::vector<InterfItem> items);

  // The header, then each control aligned to 4 bytes from the start; the
  // end is not padded.
  int WinSize() const;
  VUC WinTemplate() const;

  const std::vector<InterfItem>& Items() const { return vItems_; }

 private:
  std::vector<InterfItem> vItems_;
};

}  // namespace PardeloStravon
