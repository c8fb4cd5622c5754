#include "foundation/core/XmlWOArchive.h"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/detail/archive_serializer_map.hpp>
#include <boost/archive/impl/archive_serializer_map.ipp>
#include <boost/archive/impl/basic_xml_oarchive.ipp>
#include <boost/archive/impl/xml_woarchive_impl.ipp>
#include <boost/serialization/throw_exception.hpp>
#include <cstring>

namespace boost::archive {
template class detail::archive_serializer_map<PardeloStravon::XmlWOArchive>;
template class basic_xml_oarchive<PardeloStravon::XmlWOArchive>;
template class xml_woarchive_impl<PardeloStravon::XmlWOArchive>;
}  // namespace boost::archive

namespace PardeloStravon {

namespace {

// What Boost's escaping writes for a character, or null.
const wchar_t* Escaped(wchar_t c) {
  switch (c) {
    case L'<':
      return L"&lt;";
    case L'>':
      return L"&gt;";
    case L'&':
      return L"&amp;";
    case L'"':
      return L"&quot;";
    case L'\'':
      return L"&apos;";
    default:
      return nullptr;
  }
}

bool IsAscii(const char* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
  return true;
}

}  // namespace

XmlWOArchive::XmlWOArchive(std::wostream& os) : xml_woarchive_impl<XmlWOArchive>(os, 0) { init(); }

XmlWOArchive::~XmlWOArchive() = default;

// Boost checks the stream before each value it writes.
void XmlWOArchive::CheckStream() {
  if (os.fail())
    boost::serialization::throw_exception(
        boost::archive::archive_exception(boost::archive::archive_exception::output_stream_error));
}

// Into the stream's buffer, as the stream's own output would put it: a
// store for each character, where a call of the stream costs a guard object
// and a virtual call.
void XmlWOArchive::PutRaw(wchar_t c) {
  if (!os.good()) return;
  if (std::wstreambuf::traits_type::eq_int_type(os.rdbuf()->sputc(c), std::wstreambuf::traits_type::eof()))
    os.setstate(std::ios::badbit);
}

// Escaped as Boost escapes text.
template <class Char>
void XmlWOArchive::WriteEscaped(const Char* s, std::size_t n) {
  CheckStream();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<wchar_t>(s[i]);
    if (const wchar_t* e = Escaped(c)) {
      while (*e) PutRaw(*e++);
    } else {
      PutRaw(c);
    }
  }
}

// Narrow text that is not ASCII is multibyte text, which Boost's own way
// decodes.
void XmlWOArchive::save(const char* s) {
  const std::size_t n = std::strlen(s);
  if (!IsAscii(s, n)) return xml_woarchive_impl<XmlWOArchive>::save(s);
  WriteEscaped(s, n);
}

void XmlWOArchive::save(const std::string& s) {
  if (!IsAscii(s.data(), s.size())) return xml_woarchive_impl<XmlWOArchive>::save(s);
  WriteEscaped(s.data(), s.size());
}

void XmlWOArchive::save(const std::wstring& ws) { WriteEscaped(ws.data(), ws.size()); }

void XmlWOArchive::put(wchar_t c) {
  CheckStream();
  PutRaw(c);
}

// The archive's marks, unchecked as Boost writes them.
void XmlWOArchive::put(const char* s) {
  while (*s) PutRaw(static_cast<wchar_t>(*s++));
}

}  // namespace PardeloStravon
