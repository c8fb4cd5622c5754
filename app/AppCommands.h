#pragma once
// The application's own command entries: About, New, Open, Print Setup, the
// help commands, Exit and the recent files.
class wxDocManager;

namespace PardeloStravon {

void AddApplicationCommands(wxDocManager* manager);

}  // namespace PardeloStravon
