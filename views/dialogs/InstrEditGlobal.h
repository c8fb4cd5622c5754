#pragma once
// The global options of the network: three periodic pressure broadcasts
// (enabled, interval, address) and the network-blackout alarm (enabled,
// time-out). Edited on a copy, stored only when the user confirms.
#include <vector>

#include "network/nodes/NetOptRecord.h"
#include "views/dialogs/ItemDialog.h"

namespace PardeloStravon {

class InstrNetOpt;

class InstrEditGlobal : public ItemDialog {
 public:
  explicit InstrEditGlobal(wxWindow* parent = nullptr);

  // Copies the record's fields in; after OK, copies them back.
  void SetFrom(const NetOptRecord& r);
  void CopyTo(NetOptRecord& r) const;

  bool en_[BroadcastSlots] = {};
  int int_[BroadcastSlots] = {};
  int addr_[BroadcastSlots] = {};
  bool alarmOn_ = false;
  int alarmTimeOut_ = 0;

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnInitDialog(wxInitDialogEvent& event);
};

// The dialog's items as resource 143 lays it out.
std::vector<InterfItem> GlobalOptionsItems();

// Runs the dialog on a copy of the options; on OK stores the copy whole and
// returns true. Periodic reception and troubleshooting pass through.
bool EditGlobalOptions(InstrNetOpt& netOpt);

}  // namespace PardeloStravon
