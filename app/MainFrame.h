#pragma once
// The main frame: routing, menus and the child windows come from the
// document's windows; the application dresses it (toolbar, status bar).
#include "document/gui/MainFrameBase.h"

namespace PardeloStravon {

class MainFrame : public MainFrameBase {
 public:
  explicit MainFrame(wxDocManager* manager);
};

// The application's own command entries: New, Open, the help commands,
// Exit and the recent files.
void AddApplicationCommands(wxDocManager* manager);

}  // namespace PardeloStravon
