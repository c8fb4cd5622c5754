#pragma once
// The texts of the status view for one node, built on demand on the GUI
// thread.
#include <string>

#include "network/nodes/Node.h"

namespace PardeloStravon {

// The link state's name in the current language. A value outside the
// enumeration throws std::invalid_argument.
std::wstring LinkText(Node::InstrLink k);

// "label: value" for every parameter shown in the status view, joined by
// " - "; "***" for a value of a kind (readings, settings) not yet received.
// Empty when no parameter is shown.
std::wstring NodeStatusText(const Node& node);

}  // namespace PardeloStravon
