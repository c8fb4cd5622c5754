#pragma once
// A count held elsewhere, stored in the XML archives as one unsigned long
// in the element "ul".
#include <boost/serialization/nvp.hpp>
#include <cstddef>

namespace PardeloStravon {

struct WrapSize_t {
  std::size_t& size_;

  explicit WrapSize_t(std::size_t& size) : size_(size) {}

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    unsigned long ul = static_cast<unsigned long>(size_);
    ar& boost::serialization::make_nvp("ul", ul);
    size_ = ul;
  }
};

}  // namespace PardeloStravon
