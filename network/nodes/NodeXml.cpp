// A node in the XML document archive: its type's code, the five option
// vectors, its options and its due times.
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/vector.hpp>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/NodeImpl.h"

namespace PardeloStravon {

namespace {

template <class Archive, class T>
void SaveVector(Archive& ar, const char* name, const std::vector<T>& v, const wchar_t* check) {
  const std::size_t size = v.size();
  ar << boost::serialization::make_nvp(name, v);
  ASSERT_THROW(v.size() == size, check);
}

// A stored vector must have the size that the catalogue gives the type now.
template <class Archive, class T>
void LoadVector(Archive& ar, const char* name, std::vector<T>& v, const wchar_t* check) {
  const std::size_t size = v.size();
  ar >> boost::serialization::make_nvp(name, v);
  ASSERT_THROW(v.size() == size, check);
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
  *this = loaded;
}

template void Node::save<boost::archive::xml_woarchive>(boost::archive::xml_woarchive&,
                                                        const unsigned int) const;
template void Node::load<boost::archive::xml_wiarchive>(boost::archive::xml_wiarchive&,
                                                        const unsigned int);

}  // namespace PardeloStravon
