// The network options' layer of each block of the legacy document; each
// layer ends with the network's own layer of the same version.
#include "network/DocServices.h"
#include "network/nodes/InstrNetOptImpl.h"
#include "network/nodes/LegacyFormat.h"
#include "network/nodes/WrapperLegacy.h"

namespace PardeloStravon {

namespace {

void StoreOptionsLegacy(LegacyArchive& ar, int version, const NetOptRecord& o) {
  if (version == 22) {
    for (int s = 0; s < BroadcastSlots; ++s) ar << o.periodicBroadcastAddr_[s];
    for (int s = 1; s < BroadcastSlots; ++s)
      ar << o.periodicBroadcastEn_[s] << o.periodicBroadcastInt_[s];
    ar << o.rxEn_ << o.periodicBroadcastEn_[0] << o.periodicBroadcastInt_[0] << o.onNetAlarm_
       << o.intNetAlarm_;
  } else if (version == 25) {
    for (int s = 0; s < BroadcastSlots; ++s)
      ar << o.periodicBroadcastAddr_[s] << o.periodicBroadcastEn_[s] << o.periodicBroadcastInt_[s];
    ar << o.rxEn_ << o.onNetAlarm_ << o.intNetAlarm_;
  }
}

// Each older version's layout is the next older one with fields in front.
void LoadOptionsLegacy(LegacyArchive& ar, int version, NetOptRecord& o) {
  if (version == 25) {
    for (int s = 0; s < BroadcastSlots; ++s)
      ar >> o.periodicBroadcastAddr_[s] >> o.periodicBroadcastEn_[s] >> o.periodicBroadcastInt_[s];
    ar >> o.rxEn_ >> o.onNetAlarm_ >> o.intNetAlarm_;
    return;
  }
  if (version == 23 || version == 24) return;
  if (version >= 17) {
    for (int s = 0; s < BroadcastSlots; ++s) ar >> o.periodicBroadcastAddr_[s];
  }
  if (version >= 16) {
    for (int s = 1; s < BroadcastSlots; ++s)
      ar >> o.periodicBroadcastEn_[s] >> o.periodicBroadcastInt_[s];
  }
  ar >> o.rxEn_ >> o.periodicBroadcastEn_[0] >> o.periodicBroadcastInt_[0] >> o.onNetAlarm_ >>
      o.intNetAlarm_;
}

}  // namespace

void InstrNetOpt::SerializeLegacy(LegacyArchive& ar, int version, bool apply) {
  DocServices* doc = pImpl_->doc_;
  const LegacyMessageBox messageBox = [doc](const std::wstring& text) {
    doc->ShowMessageBox(text);
  };
  if (ar.IsStoring()) {
    if (version < 22 || version > LegacyDocVersion) {
      messageBox(InvalidQziFormatText);
      return;
    }
    StoreOptionsLegacy(ar, version, Options());
  } else {
    if (version > LegacyDocVersion) version = LegacyDocVersion;
    if (version < OldestLegacyDocVersion) {
      messageBox(InvalidQziFormatText);
      return;
    }
    NetOptRecord options = Options();
    LoadOptionsLegacy(ar, version, options);
    if (apply) SetOptions(options);
  }
  pImpl_->pIN_->SerializeLegacy(ar, version, apply, messageBox);
}

}  // namespace PardeloStravon
