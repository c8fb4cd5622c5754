#pragma once
// One parameter value in the wide XML archives, with the parameter's key
// before it: the elements "id" and "v", on which the settings files rest.
#include <boost/any.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>

#include <string>

#include "foundation/core/Assert.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/values/ValueXml.h"

namespace PardeloStravon {

// On loading the value must already hold the parameter's unit type. A key
// that is not the parameter's logs the assertion and throws, after the value
// was read; the caller decides what to keep.
template <class Archive>
void serialize(Archive& ar, const InstrParPure& par, boost::any& value,
               const unsigned int /*version*/) {
  std::wstring id = par.ParID();
  ar& boost::serialization::make_nvp("id", id);
  if constexpr (Archive::is_saving::value)
    SaveValueXml(ar, *par.ParRange(), value);
  else
    LoadValueXml(ar, *par.ParRange(), value, par.ParID());
  ASSERT_THROW(id == par.ParID(), L"id==par.ParID()");
}

}  // namespace PardeloStravon
