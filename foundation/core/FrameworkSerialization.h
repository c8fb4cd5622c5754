#pragma once
// How the two framework types among the settings are stored in the XML
// archives: a font as its 92 record bytes in one element "bo" (base64), a
// framework string as its text in one element "CStringAsWstring".
#include <boost/serialization/binary_object.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/split_free.hpp>
#include <boost/serialization/string.hpp>

#include "platform/CString.h"
#include "platform/LogFont.h"

namespace boost {
namespace serialization {

template <class Archive>
void save(Archive& ar, const LOGFONTW& lf, const unsigned int /*version*/) {
  std::uint8_t bytes[Platform::LogFontWBytes];
  Platform::PackLogFont(lf, bytes);
  binary_object bo(bytes, sizeof bytes);
  ar << make_nvp("bo", bo);
}

template <class Archive>
void load(Archive& ar, LOGFONTW& lf, const unsigned int /*version*/) {
  std::uint8_t bytes[Platform::LogFontWBytes] = {};
  binary_object bo(bytes, sizeof bytes);
  ar >> make_nvp("bo", bo);
  lf = Platform::UnpackLogFont(bytes);
}

template <class Archive>
void save(Archive& ar, const CString& s, const unsigned int /*version*/) {
  // The framework's text ends at its first zero character.
  const std::wstring text(s.GetString());
  ar << make_nvp("CStringAsWstring", text);
}

template <class Archive>
void load(Archive& ar, CString& s, const unsigned int /*version*/) {
  std::wstring text;
  ar >> make_nvp("CStringAsWstring", text);
  s = CString(text);
}

}  // namespace serialization
}  // namespace boost

BOOST_SERIALIZATION_SPLIT_FREE(LOGFONTW)
BOOST_SERIALIZATION_SPLIT_FREE(CString)
