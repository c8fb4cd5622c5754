#pragma once
// Reads a classic dialog template back into its items, checking every
// alignment and terminator on the way; throws std::runtime_error naming the
// byte where the template goes wrong.
#include <vector>

#include "foundation/values/VUC.h"
#include "views/dialogs/InterfItem.h"

namespace TestSupport {

// Item 0 is the dialog (its id, class and extended style read as 0), then
// the controls in template order. Positions are read as signed 16-bit
// words, ids as unsigned ones.
std::vector<PardeloStravon::InterfItem> DecodeTemplate(const PardeloStravon::VUC& bytes);

}  // namespace TestSupport
