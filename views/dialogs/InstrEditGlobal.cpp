#include "views/dialogs/InstrEditGlobal.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using Platform::IDCANCEL;
using Platform::IDOK;

// Per broadcast: the check box, the interval and the address edits, and
// their two labels.
constexpr int EnableId[BroadcastSlots] = {1201, 1204, 1207};
constexpr int IntervalId[BroadcastSlots] = {1202, 1205, 1208};
constexpr int AddressId[BroadcastSlots] = {1203, 1206, 1209};
constexpr int IntervalLabelId[BroadcastSlots] = {32835, 32837, 32839};
constexpr int AddressLabelId[BroadcastSlots] = {32836, 32838, 32840};
constexpr int AlarmId = 1210;
constexpr int TimeOutId = 1211;
constexpr int TimeOutLabelId = 32841;
constexpr int TimeOutMax = 12345678;

}  // namespace

std::vector<InterfItem> GlobalOptionsItems() {
  const int top[BroadcastSlots] = {7, 46, 86};
  const wchar_t* enable[BroadcastSlots] = {L"Enable pressure broadc nr. 1 ", L"Enable pressure broadc nr. 2",
                                           L"Enable pressure broadc nr. 3"};
  std::vector<InterfItem> items = {
      ResourceFrame(L"Global options", 222, 160),
      DefaultButton(IDOK, L"OK", 158, 7, 50, 16),
      PushButton(IDCANCEL, L"Cancel", 158, 26, 50, 16),
  };
  for (int i = 0; i < BroadcastSlots; ++i) {
    const int y = top[i];
    items.push_back(LeftTextCheckBox(EnableId[i], enable[i], 9, y, 133, 8));
    items.push_back(GroupLabel(IntervalLabelId[i], L"Broadcast interval s", 10, y + 13, 90, 8));
    items.push_back(BorderEdit(IntervalId[i], 110, y + 12, 32, 12, Platform::ES_RIGHT));
    items.push_back(GroupLabel(AddressLabelId[i], L"Broadcast address", 10, y + 26, 90, 8));
    items.push_back(BorderEdit(AddressId[i], 110, y + 25, 32, 12, Platform::ES_RIGHT));
  }
  items.push_back(LeftTextCheckBox(AlarmId, L"Enable network blackout alarm", 9, 126, 133, 8));
  items.push_back(GroupLabel(TimeOutLabelId, L"Blackout timeout s", 10, 141, 90, 8));
  items.push_back(BorderEdit(TimeOutId, 110, 140, 32, 12, Platform::ES_RIGHT));
  return items;
}

InstrEditGlobal::InstrEditGlobal(wxWindow* parent) : ItemDialog(parent, GlobalOptionsItems()) {
  Bind(wxEVT_INIT_DIALOG, &InstrEditGlobal::OnInitDialog, this);
}

void InstrEditGlobal::SetFrom(const NetOptRecord& r) {
  for (int i = 0; i < BroadcastSlots; ++i) {
    en_[i] = r.periodicBroadcastEn_[i];
    int_[i] = r.periodicBroadcastInt_[i];
    addr_[i] = r.periodicBroadcastAddr_[i];
  }
  alarmOn_ = r.onNetAlarm_;
  alarmTimeOut_ = static_cast<int>(static_cast<long>(r.intNetAlarm_));
}

void InstrEditGlobal::CopyTo(NetOptRecord& r) const {
  for (int i = 0; i < BroadcastSlots; ++i) {
    r.periodicBroadcastEn_[i] = en_[i];
    r.periodicBroadcastInt_[i] = int_[i];
    r.periodicBroadcastAddr_[i] = addr_[i];
  }
  r.onNetAlarm_ = alarmOn_;
  r.intNetAlarm_ = static_cast<long>(alarmTimeOut_);
}

void InstrEditGlobal::DoDataExchange(DataExchange& dx) {
  for (int i = 0; i < BroadcastSlots; ++i) {
    DDX_Bool(&dx, EnableId[i], en_[i]);
    DDX_Text(&dx, IntervalId[i], int_[i]);
    DDX_Text(&dx, AddressId[i], addr_[i]);
  }
  DDX_Bool(&dx, AlarmId, alarmOn_);
  DDX_Text(&dx, TimeOutId, alarmTimeOut_);
  DDV_MinMaxInt(&dx, alarmTimeOut_, 0, TimeOutMax);
}

void InstrEditGlobal::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  SetTitle(DictText(CTW_ID_GLOBAL_OPTIONS));
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  const std::wstring* enable[BroadcastSlots] = {&CTW_ID_GLOB_OPT_BROAD_ACTIVE, &CTW_ID_GLOB_OPT_BROAD_ACTIVE2,
                                                &CTW_ID_GLOB_OPT_BROAD_ACTIVE3};
  for (int i = 0; i < BroadcastSlots; ++i) {
    EditSetText(this, EnableId[i], DictText(*enable[i]));
    EditSetText(this, IntervalLabelId[i], DictText(CTW_ID_GLOPT_BROADC_INT));
    EditSetText(this, AddressLabelId[i], DictText(CTW_ID_GLOPT_BROADC_ADD));
  }
  EditSetText(this, AlarmId, DictText(CTW_ID_GLOB_OPT_NET_ALARM_EN));
  EditSetText(this, TimeOutLabelId, DictText(CTW_ID_GLOPT_BLACK_TO));
}

bool EditGlobalOptions(InstrNetOpt& netOpt) {
  NetOptRecord r = netOpt.Options();
  InstrEditGlobal dialog(nullptr);
  dialog.SetFrom(r);
  if (dialog.DoModal() != IDOK) return false;
  dialog.CopyTo(r);
  netOpt.SetOptions(r);
  return true;
}

}  // namespace PardeloStravon
