// A node in the XML document archive: its type's code, the five option
// vectors, its options and its due times.
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/collection_size_type.hpp>
#include <boost/serialization/item_version_type.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/vector.hpp>
#include <utility>

#include "foundation/core/XmlWOArchive.h"
#include "foundation/core/Assert.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/NodeImpl.h"

namespace PardeloStravon {
namespace {
template <class T>
struct CheckedVector;
}
}  // namespace PardeloStravon

// Read in the place of the vector it wraps: like the vector, untracked, so
// the file's attributes mean the same for both.
namespace boost {
namespace serialization {
template <class T>
struct tracking_level<PardeloStravon::CheckedVector<T>> {
  typedef mpl::integral_c_tag tag;
  typedef mpl::int_<track_never> type;
  BOOST_STATIC_CONSTANT(int, value = tracking_level::type::value);
};
}  // namespace serialization
}  // namespace boost

namespace PardeloStravon {

namespace {

template <class Archive, class T>
void SaveVector(Archive& ar, const char* name, const std::vector<T>& v, const wchar_t* check) {
  const std::size_t size = v.size();
  ar << boost::serialization::make_nvp(name, v);
  ASSERT_THROW(v.size() == size, check);
}

// Loads a vector stored in the collection's own element shape, comparing the
// stored count with the size the vector has before anything is sized: a
// hostile count would otherwise be allocated before a single item is read.
template <class T>
struct CheckedVector {
  std::vector<T>& v;
  const wchar_t* check;

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    using boost::serialization::make_nvp;
    boost::serialization::collection_size_type count;
    ar >> make_nvp("count", count);
    if (boost::archive::library_version_type(3) < ar.get_library_version()) {
      boost::serialization::item_version_type itemVersion(0);
      ar >> make_nvp("item_version", itemVersion);
    }
    ASSERT_THROW(static_cast<std::size_t>(count) == v.size(), check);
    for (T& item : v) ar >> make_nvp("item", item);
  }
};

// A stored vector must have the size that the catalogue gives the type now.
template <class Archive, class T>
void LoadVector(Archive& ar, const char* name, std::vector<T>& v, const wchar_t* check) {
  CheckedVector<T> checked{v, check};
  ar >> boost::serialization::make_nvp(name, checked);
}

}  // namespace

template <class Archive>
void Node::save(Archive& ar, const unsigned int /*version*/) const {
  using boost::serialization::make_nvp;
  const std::wstring code = Type().Code();
  ar << make_nvp("code", code);
  SaveVector(ar, "vIPOSt_", pImpl_->vIPOSt_, L"vIPOSt_    .size()==size");
  SaveVector(ar, "vIPOPlt_", pImpl_->vIPOPlt_, L"vIPOPlt_   .size()==size");
  SaveVector(ar, "vIPOFrm_", pImpl_->vIPOFrm_, L"vIPOFrm_   .size()==size");
  SaveVector(ar, "vIPOFrmSub_", pImpl_->vIPOFrmSub_, L"vIPOFrmSub_.size()==size");
  SaveVector(ar, "vIPOFrmGrp_", pImpl_->vIPOFrmGrp_, L"vIPOFrmGrp_.size()==size");
  ar << make_nvp("nodeOpt_", pImpl_->nodeOpt_);
  const NodeSt st = State();
  ar << make_nvp("nodeSt_", st);
}

template <class Archive>
void Node::load(Archive& ar, const unsigned int /*version*/) {
  using boost::serialization::make_nvp;
  std::wstring code;
  ar >> make_nvp("code", code);
  // Everything not stored starts from the defaults of a new node. The node
  // takes the loaded content only once all of it was read.
  Node loaded(code);
  Impl& in = *loaded.pImpl_;
  LoadVector(ar, "vIPOSt_", in.vIPOSt_, L"vIPOSt_    .size()==size");
  LoadVector(ar, "vIPOPlt_", in.vIPOPlt_, L"vIPOPlt_   .size()==size");
  LoadVector(ar, "vIPOFrm_", in.vIPOFrm_, L"vIPOFrm_   .size()==size");
  LoadVector(ar, "vIPOFrmSub_", in.vIPOFrmSub_, L"vIPOFrmSub_.size()==size");
  LoadVector(ar, "vIPOFrmGrp_", in.vIPOFrmGrp_, L"vIPOFrmGrp_.size()==size");
  in.Reindex();
  ar >> make_nvp("nodeOpt_", in.nodeOpt_);
  RaiseShortPeriods(in.nodeOpt_);
  ar >> make_nvp("nodeSt_", in.nodeSt_);
  // The loaded content takes this node's place, as an assignment would,
  // without copying it once more.
  in.lock_ = pImpl_->lock_;
  std::swap(pImpl_, loaded.pImpl_);
}

template void Node::save<boost::archive::xml_woarchive>(boost::archive::xml_woarchive&,
                                                        const unsigned int) const;
// The document's own writer.
template void Node::save<XmlWOArchive>(XmlWOArchive&, const unsigned int) const;
template void Node::load<boost::archive::xml_wiarchive>(boost::archive::xml_wiarchive&,
                                                        const unsigned int);

}  // namespace PardeloStravon
