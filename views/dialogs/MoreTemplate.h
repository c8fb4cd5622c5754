#pragma once
// The advanced options dialog has no resource: its table of controls is laid
// out for the node's instrument type, one row per parameter that has one,
// with group and sub-group title rows where they change.
#include <vector>

#include "foundation/catalogue/InstrParPure.h"
#include "foundation/values/VUC.h"
#include "views/dialogs/InterfItem.h"

namespace PardeloStravon {

class Node;

// What the layout leaves for the dialog.
struct MoreLayout {
  Node* pNode_ = nullptr;
  // ids_[column][row]: the control of that column in the row of parameter
  // row, 0 where there is none. A title's cells are kept at the row of the
  // first parameter of its run, where the table's walk looks for them.
  std::vector<std::vector<int>> ids_;
  int width_ = 0;   // dialog units
  int height_ = 0;  // dialog units
  bool tmDhms_ = false;
};

// The first identifier of the dialog's windows: OK, Cancel, Default and
// Refresh, then the rest in creation order.
constexpr int MoreFirstId = 9000;

// Lays the table out for the parameters: fills ids_ (29 columns of one
// entry per parameter, given as zeros), raises width and height to the
// table's, hands out the items the dialog is built from and returns their
// template bytes. The pass-free cells of column 15 are enabled only with
// supervisor rights and not for a network address.
VUC BuildMoreTemplate(const InstrPars& pars, std::vector<std::vector<int>>& ids, int& width, int& height,
                      bool supervisor, std::vector<InterfItem>& items);

// The layout of the node's instrument type with the items to build the
// dialog from: the first steps of opening the dialog.
MoreLayout MakeMoreLayout(Node& node, bool supervisor, bool tmDhms, std::vector<InterfItem>& items);

}  // namespace PardeloStravon
