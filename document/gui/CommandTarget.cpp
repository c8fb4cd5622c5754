#include "document/gui/CommandTarget.h"

namespace PardeloStravon {

bool CommandTarget::RunCommand(int id) const {
  auto it = commands_.find(id);
  if (it == commands_.end()) return false;
  // A copy: the command may replace its own entry while it runs.
  Command command = it->second;
  command();
  return true;
}

bool CommandTarget::RunUpdate(CmdUI& ui) const {
  auto it = updates_.find(ui.Id());
  if (it == updates_.end()) return false;
  Update update = it->second;
  update(ui);
  return true;
}

}  // namespace PardeloStravon
