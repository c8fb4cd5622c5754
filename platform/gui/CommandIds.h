#pragma once
// The one table between the system's command and control identifiers and
// the toolkit's window identifiers. The toolkit refuses identifiers from
// 0x7FFF up, where the system's menu commands live (32768 and up for the
// program's own, 57344 and up for the framework's).
#include <stdexcept>

namespace Platform {

class UnmappedId : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// Throws UnmappedId for an identifier the table does not cover.
int ToWxId(int systemId);
int FromWxId(int wxId);

}  // namespace Platform
