#pragma once
// The one table between the system's command and control identifiers and
// the toolkit's window identifiers. The toolkit refuses identifiers from
// 0x7FFF up, where the system's menu commands live (32768 and up for the
// program's own, 57344 and up for the framework's).
#include <stdexcept>

namespace Platform {

// The windows of dialogs and forms built at run time: 9000 OK, 9001 Cancel,
// then the rest in creation order. Wide enough for the largest form.
constexpr int RunTimeIdFirst = 9000;
constexpr int RunTimeIdLast = 18999;

class UnmappedId : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// Throws UnmappedId for an identifier the table does not cover.
int ToWxId(int systemId);
int FromWxId(int wxId);

}  // namespace Platform
