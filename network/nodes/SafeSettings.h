#pragma once
// The content of a settings file: an instrument type's code and one value
// per settable parameter of that type, in frame order. The parameters are
// found through the code, so a file is read with the type it names.
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <string>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/ParValueXml.h"
#include "network/nodes/WrapSize_t.h"

namespace PardeloStravon {

struct SafeSettings {
  std::wstring code_;
  InstrParValues set_;

  // An unknown code throws the catalogue's InstrBadRef; a file with another
  // number of settable parameters, or values of another count, fail the
  // assertion "size==set_.size()".
  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("code_", code_);
    const InstrPars pars = SettablePars(InstrByCode(code_).Pars());
    std::size_t size = pars.size();
    // Every value must hold its parameter's unit type before it is read.
    if constexpr (Archive::is_loading::value) set_ = DefaultValues(pars);
    ASSERT_THROW(size == set_.size(), L"size==set_.size()");
    WrapSize_t wrap(size);
    ar& boost::serialization::make_nvp("size", wrap);
    ASSERT_THROW(size == set_.size(), L"size==set_.size()");
    for (std::size_t i = 0; i < size; ++i) PardeloStravon::serialize(ar, *pars[i], set_[i], 0);
  }
};

}  // namespace PardeloStravon
