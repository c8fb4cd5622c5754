#pragma once
// A check on an XML document's text before the archive reads it, for what
// the archive itself would not survive.
#include <string>

namespace PardeloStravon {

// Classes are numbered 0, 1, 2, ... as they first appear: every class_id must
// be the next number and every class_id_reference one already given. The
// archive indexes its tables with them unchecked.
void CheckClassIds(const std::wstring& text);

}  // namespace PardeloStravon
