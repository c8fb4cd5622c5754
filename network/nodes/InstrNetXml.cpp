// The network in the XML document archive: the map in Boost's standard form,
// one "item" per node with "first" (the address) and "second" (the node).
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/map.hpp>
#include <boost/serialization/nvp.hpp>

#include "foundation/core/XmlWOArchive.h"
#include "network/nodes/InstrNet.h"

namespace PardeloStravon {

template <class Archive>
void InstrNet::save(Archive& ar, const unsigned int /*version*/) const {
  // The copied per-parameter options are brought up to date before saving.
  CopyAdvancedOptionsAll(const_cast<InstrNet&>(*this));
  ar << boost::serialization::make_nvp("mapImpl_", mapImpl_);
}

template <class Archive>
void InstrNet::load(Archive& ar, const unsigned int /*version*/) {
  Map stored;
  ar >> boost::serialization::make_nvp("mapImpl_", stored);
  // Each node goes in through InsertNew, which refuses address 0; the
  // network takes the nodes only when all of them were accepted.
  InstrNet loaded;
  for (const auto& entry : stored) loaded.InsertNew(entry.first, entry.second);
  SwapNodes(loaded);
}

template void InstrNet::save<boost::archive::xml_woarchive>(boost::archive::xml_woarchive&,
                                                            const unsigned int) const;
// The document's own writer.
template void InstrNet::save<XmlWOArchive>(XmlWOArchive&, const unsigned int) const;
template void InstrNet::load<boost::archive::xml_wiarchive>(boost::archive::xml_wiarchive&,
                                                            const unsigned int);

}  // namespace PardeloStravon
