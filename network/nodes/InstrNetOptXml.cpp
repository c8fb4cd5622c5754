// The network options in the XML document archive: the saved options, then
// the network as a tracked pointer. Troubleshooting and the run-time state
// are not saved.
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <memory>

#include "network/nodes/InstrNetOptImpl.h"

namespace PardeloStravon {

namespace {

template <class Archive>
void SerializeSavedOptions(Archive& ar, NetOptRecord& o) {
  using boost::serialization::make_nvp;
  ar& make_nvp("rxEn_", o.rxEn_);
  ar& make_nvp("periodicBroadcastEn_", o.periodicBroadcastEn_);
  ar& make_nvp("periodicBroadcastInt_", o.periodicBroadcastInt_);
  ar& make_nvp("periodicBroadcastAddr_", o.periodicBroadcastAddr_);
  ar& make_nvp("onNetAlarm_", o.onNetAlarm_);
  ar& make_nvp("intNetAlarm_", o.intNetAlarm_);
}

}  // namespace

template <class Archive>
void InstrNetOpt::save(Archive& ar, const unsigned int /*version*/) const {
  NetOptRecord options = Options();
  SerializeSavedOptions(ar, options);
  const InstrNet* net = pImpl_->pIN_.get();
  ar << boost::serialization::make_nvp("pIN_", net);
}

template <class Archive>
void InstrNetOpt::load(Archive& ar, const unsigned int /*version*/) {
  NetOptRecord options = Options();
  SerializeSavedOptions(ar, options);
  // Boost sets the pointer as soon as it has built the network, before the
  // nodes are read: when a node fails to load, only this owner frees it.
  InstrNet* raw = nullptr;
  struct Owner {
    InstrNet*& net;
    ~Owner() { delete net; }
  } owner{raw};
  ar >> boost::serialization::make_nvp("pIN_", raw);
  SetOptions(options);
  // The network object stays the same; it takes the loaded nodes.
  if (raw) pImpl_->pIN_->SwapNodes(*raw);
}

template void InstrNetOpt::save<boost::archive::xml_woarchive>(boost::archive::xml_woarchive&,
                                                               const unsigned int) const;
template void InstrNetOpt::load<boost::archive::xml_wiarchive>(boost::archive::xml_wiarchive&,
                                                               const unsigned int);

}  // namespace PardeloStravon
