#pragma once
// Asks for the time span of a graph and whether the graph follows the
// present. Opens on the last 7 days.
#include <ctime>
#include <vector>

#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class FromToPick : public ItemDialog {
 public:
  explicit FromToPick(wxWindow* parent = nullptr);

  // to_ is now; from_ the same clock time 7 calendar days earlier.
  std::time_t from_;
  std::time_t to_;
  bool follow_ = false;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
};

std::vector<InterfItem> FromToPickItems();

// The same local clock time the given number of calendar days earlier.
std::time_t DaysBefore(std::time_t t, int days);

// True on OK with the span and the flag stored; false on Cancel, nothing
// stored. A start after the end is refused in the dialog.
bool PickFromTo(std::time_t* from, std::time_t* to, bool* follow);

}  // namespace PardeloStravon
