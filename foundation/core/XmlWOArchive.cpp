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

// Characters escaped at a time.
constexpr std::size_t Piece = 256;

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

// Boost checks the stream before each value it writes; the characters go
// to the stream's buffer as the stream's own output would put them.
void XmlWOArchive::Write(const wchar_t* text, std::size_t n) {
  if (os.fail())
    boost::serialization::throw_exception(
        boost::archive::archive_exception(boost::archive::archive_exception::output_stream_error));
  WriteUnchecked(text, n);
}

// Character by character into the buffer, which costs a store each: the
// pieces are short, names and marks mostly.
void XmlWOArchive::WriteUnchecked(const wchar_t* text, std::size_t n) {
  std::wstreambuf& buffer = *os.rdbuf();
  for (std::size_t i = 0; i < n; ++i) {
    if (std::wstreambuf::traits_type::eq_int_type(buffer.sputc(text[i]),
                                                   std::wstreambuf::traits_type::eof())) {
      os.setstate(std::ios::badbit);
      return;
    }
  }
}

void XmlWOArchive::put(wchar_t c) { Write(&c, 1); }

// Escaped as Boost escapes text, a piece at a time.
template <class Char>
void XmlWOArchive::WriteEscaped(const Char* s, std::size_t n) {
  wchar_t out[Piece + 8];
  std::size_t k = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<wchar_t>(s[i]);
    if (const wchar_t* e = Escaped(c)) {
      while (*e) out[k++] = *e++;
    } else {
      out[k++] = c;
    }
    if (k >= Piece) Write(out, k), k = 0;
  }
  Write(out, k);
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

// The archive's marks, unchecked as Boost writes them.
void XmlWOArchive::put(const char* s) {
  wchar_t out[Piece];
  std::size_t k = 0;
  while (*s) {
    out[k++] = static_cast<wchar_t>(*s++);
    if (k == Piece) WriteUnchecked(out, k), k = 0;
  }
  WriteUnchecked(out, k);
}

}  // namespace PardeloStravon
