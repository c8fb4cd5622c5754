#pragma once
// A check on an XML document's text before the archive reads it, for what
// the archive itself would not survive.
#include <set>
#include <string>
#include <string_view>

namespace PardeloStravon {

// The archive trusts the attributes it reads:
// - classes are numbered 0, 1, 2, ... as they first appear: every class_id
//   must be the next number and every class_id_reference one already given
//   (the archive indexes its tables with them unchecked);
// - a tracking level other than 0 would make it track objects that live on
//   the stack and hand their addresses to pointers of another type: only the
//   named elements may be tracked (level 1, with an object_id), and no
//   object_id_reference is accepted.
// Throws std::runtime_error naming the element.
void CheckArchiveAttributes(std::wstring_view text, const std::set<std::wstring>& tracked);

// The same on the file's bytes, UTF-8 already checked: the marks of the
// tags are ASCII, which no longer sequence holds. The tracked names are
// ASCII.
void CheckArchiveAttributes(std::string_view bytes, const std::set<std::wstring>& tracked);

}  // namespace PardeloStravon
