#pragma once
// The road of a command in the system's order: the active view (after any
// target it puts before itself), its document, the active child frame, the
// main frame, the application. The toolkit's own order differs (its
// documents see a command before their views), so every system command is
// walked here before any toolkit handler sees it.
#include <optional>
#include <string>
#include <vector>

#include "document/gui/CommandTarget.h"

namespace PardeloStravon {

using CommandRoute = std::vector<const CommandTarget*>;

// What a menu item or toolbar button shows for one identifier.
struct CommandState {
  bool enabled = false;
  std::optional<bool> checked;
  std::optional<std::wstring> text;
};

// The target whose command entry answers the identifier, or null.
const CommandTarget* FindCommandTarget(const CommandRoute& route, int id);

// The first update entry on the road runs; when it leaves the enabled state
// open, the item is enabled exactly when a command entry is reachable.
// Nothing else is run to find out.
CommandState QueryCommandState(const CommandRoute& route, int id);

// Runs the first command entry for the identifier when the enabling rule
// enables it; whether one ran.
bool RouteCommand(const CommandRoute& route, int id);

}  // namespace PardeloStravon
