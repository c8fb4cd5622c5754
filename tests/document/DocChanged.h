#pragma once
// A document with every field away from its default, for round trips and
// the seeds of the fuzz targets.
#include "document/QziDocF.h"

namespace TestSupport {

// Passwords hold a line feed, a carriage return, "<", "&" and a character
// above U+FFFF; the faces hold characters beyond U+00FF; the language lies
// past the last. Two nodes of different types, one of them due at `due`.
void ChangeEverything(PardeloStravon::QziDocF& f, long due = 1700000000);

// One node of every shipped and test type, at addresses from 100.
void AddEveryType(PardeloStravon::QziDocF& f);

}  // namespace TestSupport
