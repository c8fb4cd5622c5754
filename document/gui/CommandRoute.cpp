#include "document/gui/CommandRoute.h"

namespace PardeloStravon {

const CommandTarget* FindCommandTarget(const CommandRoute& route, int id) {
  for (const CommandTarget* target : route)
    if (target && target->HasCommand(id)) return target;
  return nullptr;
}

CommandState QueryCommandState(const CommandRoute& route, int id) {
  CmdUI ui(id);
  for (const CommandTarget* target : route)
    if (target && target->RunUpdate(ui)) break;
  CommandState state;
  state.enabled = ui.Enabled() ? *ui.Enabled() : FindCommandTarget(route, id) != nullptr;
  state.checked = ui.Checked();
  state.text = ui.Text();
  return state;
}

bool RouteCommand(const CommandRoute& route, int id) {
  if (!QueryCommandState(route, id).enabled) return false;
  const CommandTarget* target = FindCommandTarget(route, id);
  return target && target->RunCommand(id);
}

}  // namespace PardeloStravon
