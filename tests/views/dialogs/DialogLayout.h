#pragma once
// Checks that a dialog built from items is laid out as they say.
#include <vector>

#include "views/dialogs/InterfItem.h"

class wxWindow;

namespace TestSupport {

// Every control of items[1...] is found under its id, at exactly its
// rectangle in the window's dialog units, inside the window's client area;
// no two visible controls overlap; the controls come in item order (the
// tab order). Failures are reported as test failures.
void ExpectLayoutAsItems(wxWindow& window, const std::vector<PardeloStravon::InterfItem>& items);

}  // namespace TestSupport
