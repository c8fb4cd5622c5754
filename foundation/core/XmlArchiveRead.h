#pragma once
// Reading a wide XML archive from a stream so that a cut or damaged file
// fails with an error naming the file, never ends the program.
//
// The archive reads the root's end tag in its destructor, where a failure
// cannot be reported: a file cut after its last object, or with a damaged
// end tag, would throw from the destructor. Here the end tag is checked
// before the archive goes, and the archive is always destroyed while an
// exception is on its way, which makes it skip its own reading of the tag.
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>

namespace boost::archive {
class xml_wiarchive;
}

namespace PardeloStravon {

// The archive's own failure, with the file named after it.
class XmlArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds the archive on `is`, runs `read` on it, then requires the root's
// end tag and nothing but white space after it. Every failure of the
// archive (header, cut file, damaged tag, end tag missing) becomes an
// XmlArchiveError whose text ends with " in " and `source` (for example
// "the settings file /home/x/005_TC100.qzis"); any other exception of
// `read` passes unchanged.
void ReadXmlArchive(std::wistream& is, const std::wstring& source,
                    const std::function<void(boost::archive::xml_wiarchive&)>& read);

}  // namespace PardeloStravon
