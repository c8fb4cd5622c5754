#pragma once
// Menus of the toolkit built from the resource tables, and the two menu
// services the commands and frames share.
#include <functional>
#include <string>

class wxMenu;
class wxMenuBar;
class wxFileHistory;

namespace PardeloStravon {

// A menu bar of the resource; each item carries the first line of its
// string resource as its status prompt. Null for an identifier without a
// menu.
wxMenuBar* BuildMenuBar(int menuId);

// Puts the recent files where the menu has "Recent File", or that grey item
// again while the list is empty.
void FillRecentFiles(wxMenu& menu, const wxFileHistory& history);

// Sets the text of a popup of the bar, or of an item of a menu, by its
// position; texts longer than 100 characters are cut. Whether it was set.
bool SetMenuItemText(wxMenuBar* menu, unsigned position, std::wstring text);
bool SetMenuItemText(wxMenu* menu, unsigned position, std::wstring text);

// Redraws the menu bar of the application's main window; throws "!pMain"
// when there is none.
void RedrawMenu();
// Told of every redraw (tests follow the order of a command's steps).
std::function<void()>& MenuRedrawObserver();

}  // namespace PardeloStravon
