#pragma once
// Wide XML archives in memory for the fuzz targets: one object under one
// name, saved to text and loaded from text.
//
// The input archive reads the root's end tag in its destructor, where a throw
// ends the process. The loader here checks that end itself and, when it is
// not there, leaves while the error is in flight, when the destructor reads
// nothing.
#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <cwctype>
#include <sstream>
#include <stdexcept>
#include <string>

#include "foundation/core/TextConv.h"
#include "tests/support/fuzz/Refusal.h"

namespace FuzzInput {

template <class T>
std::wstring SaveXml(const char* name, const T& object)
{
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    oa << boost::serialization::make_nvp(name, object);
  }
  return os.str();
}

// The input as the wide text of a UTF-8 file; false when it is no UTF-8.
inline bool WideText(const unsigned char* data, std::size_t size, std::wstring& text)
{
  return Accepted([&] { text = PardeloStravon::FromUtf8(std::string(reinterpret_cast<const char*>(data), size)); });
}

// Looks at what follows the object and leaves the stream where it was.
inline bool EndsWithRootEnd(std::wistream& is)
{
  const auto at = is.tellg();
  std::wstring rest{std::istreambuf_iterator<wchar_t>(is), std::istreambuf_iterator<wchar_t>()};
  while (!rest.empty() && std::iswspace(rest.back())) rest.pop_back();
  std::size_t start = 0;
  while (start < rest.size() && std::iswspace(rest[start])) ++start;
  is.clear();
  is.seekg(at);
  return rest.substr(start) == L"</boost_serialization>";
}

// True when the object loaded; any failure of the archive or of the object's
// own checks gives false.
template <class T>
bool LoadXml(const std::wstring& text, const char* name, T& object)
{
  return Accepted([&] {
    std::wistringstream is(text);
    boost::archive::xml_wiarchive ia(is);
    ia >> boost::serialization::make_nvp(name, object);
    if (!EndsWithRootEnd(is)) throw std::runtime_error("damaged end");
  });
}

}  // namespace FuzzInput
