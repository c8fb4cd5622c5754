#pragma once
// A look at an XML archive's text before Boost reads it. Boost trusts the
// file's numbers: a class id beyond the classes met so far makes it index
// out of bounds, an object id out of order makes a pointer name an object it
// does not own, and a collection count is allocated before its items are
// read. Every loader of an XML archive a user may hand the program checks
// the text first.
#include <stdexcept>
#include <string>

namespace PardeloStravon {

class XmlArchiveDamaged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws XmlArchiveDamaged when a class id goes beyond the next new one, a
// new object's id is not the next one, a reference names an id not met yet,
// or a collection counts more items than the rest of the text can hold.
void CheckXmlArchiveIds(const std::wstring& text);

}  // namespace PardeloStravon
