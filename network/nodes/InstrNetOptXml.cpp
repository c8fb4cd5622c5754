// The network options in the XML document archive: the saved options, then
// the network as a tracked pointer. Troubleshooting and the run-time state
// are not saved.
#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <memory>

#include "foundation/core/XmlWOArchive.h"
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

// While a network is loaded, the network object Boost builds for its
// pointer, owned here from the moment it exists: when a node fails to load,
// Boost no longer owns it.
thread_local std::unique_ptr<InstrNet>* builtNetwork = nullptr;

class BuiltNetworkSlot {
 public:
  explicit BuiltNetworkSlot(std::unique_ptr<InstrNet>& built) : previous_(builtNetwork) {
    builtNetwork = &built;
  }
  ~BuiltNetworkSlot() { builtNetwork = previous_; }
  BuiltNetworkSlot(const BuiltNetworkSlot&) = delete;
  BuiltNetworkSlot& operator=(const BuiltNetworkSlot&) = delete;

 private:
  std::unique_ptr<InstrNet>* previous_;
};

}  // namespace

// Boost builds the object of a loaded pointer here (found by argument
// lookup), in memory it allocated with the object's own operator new.
template <class Archive>
void load_construct_data(Archive& /*ar*/, InstrNet* t, const unsigned int /*version*/) {
  ::new (t) InstrNet();
  if (builtNetwork) builtNetwork->reset(t);
}

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
  std::unique_ptr<InstrNet> loaded;
  InstrNet* raw = nullptr;
  {
    const BuiltNetworkSlot slot(loaded);
    ar >> boost::serialization::make_nvp("pIN_", raw);
  }
  // A damaged archive can make the pointer name an object read before it
  // instead of a network of its own.
  if (raw != loaded.get())
    throw boost::archive::archive_exception(boost::archive::archive_exception::pointer_conflict);
  SetOptions(options);
  // The network object stays the same; it takes the loaded nodes.
  if (loaded) pImpl_->pIN_->SwapNodes(*loaded);
}

template void InstrNetOpt::save<boost::archive::xml_woarchive>(boost::archive::xml_woarchive&,
                                                               const unsigned int) const;
// The document's own writer.
template void InstrNetOpt::save<XmlWOArchive>(XmlWOArchive&, const unsigned int) const;
template void InstrNetOpt::load<boost::archive::xml_wiarchive>(boost::archive::xml_wiarchive&,
                                                               const unsigned int);

}  // namespace PardeloStravon
