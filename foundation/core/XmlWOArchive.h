#pragma once
// Boost's wide XML output archive, writing exactly its bytes, with its text
// handed to the stream a piece at a time.
//
// Boost writes every element name through a multibyte-to-wide conversion
// that makes and destroys a UTF-8 locale facet for each tag, and every
// character with its own call of the stream: in a document of thousands of
// elements that is most of the time a save takes. The names and marks the
// archive writes are ASCII and are written here as they stand, and every
// character goes straight into the stream's buffer; any other narrow text
// still takes Boost's own way.
#include <boost/archive/xml_woarchive.hpp>
#include <string>

namespace PardeloStravon {

class XmlWOArchive : public boost::archive::xml_woarchive_impl<XmlWOArchive> {
 public:
  explicit XmlWOArchive(std::wostream& os);
  ~XmlWOArchive() override;

 protected:
  friend class boost::archive::detail::interface_oarchive<XmlWOArchive>;
  friend class boost::archive::basic_xml_oarchive<XmlWOArchive>;
  friend class boost::archive::save_access;

  using boost::archive::xml_woarchive_impl<XmlWOArchive>::save;
  void save(const char* s);
  void save(const std::wstring& ws);
  void save(const std::string& s);

 public:
  void put(wchar_t c);
  void put(const char* s);

 private:
  void CheckStream();
  void PutRaw(wchar_t c);
  template <class Char>
  void WriteEscaped(const Char* s, std::size_t n);
};

}  // namespace PardeloStravon

BOOST_SERIALIZATION_REGISTER_ARCHIVE(PardeloStravon::XmlWOArchive)
