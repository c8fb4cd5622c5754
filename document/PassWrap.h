#pragma once
// One password in the XML document: built on the spot around the password,
// stored in the form of the class version in effect.
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/version.hpp>
#include <string>

#include "document/PassScramble.h"

namespace PardeloStravon {

class PassWrap {
 public:
  explicit PassWrap(std::wstring* pass) : pass_(pass) {}

  // One body for both directions: saving writes the stored form and gives
  // the password back unchanged; loading turns the stored form into clear.
  template <class Archive>
  void serialize(Archive& ar, const unsigned int version) {
    std::wstring s = ScramblePass(*pass_, static_cast<int>(version));
    ar& boost::serialization::make_nvp("passScrambled", s);
    *pass_ = UnscramblePass(s, static_cast<int>(version));
  }

 private:
  std::wstring* pass_;
};

}  // namespace PardeloStravon

BOOST_CLASS_VERSION(PardeloStravon::PassWrap, 2)
BOOST_CLASS_TRACKING(PardeloStravon::PassWrap, boost::serialization::track_never)
