#pragma once
// The menus 128 (no document) and 129 to 132 (document windows) and the
// accelerator table 128, as tables of the resource texts, identifiers,
// separators and initial grey and check states.
#include <string>
#include <vector>

namespace PardeloStravon {

struct MenuEntry {
  enum Kind { item, separator, popup, recentFiles };
  Kind kind = item;
  int id = 0;
  std::wstring text;
  bool grey = false;
  bool check = false;
  std::vector<MenuEntry> items;  // of a popup
};

constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_OPTIONS = 129;
constexpr int IDR_STATUS = 130;
constexpr int IDR_GRAPHIC = 131;
constexpr int IDR_PROGRAM = 132;
constexpr int IDR_LEGACY = 133;

// The top-level popups of a menu resource; empty for an identifier without
// a menu.
const std::vector<MenuEntry>& MenuResource(int menuId);

// The text that stands in the toolkit's label: the resource's shortcut hint
// after the tab is left out, because the toolkit would bind it as a live
// accelerator that takes the key from edit boxes even while the item is off.
std::wstring MenuLabel(const std::wstring& text);

struct AccelEntry {
  bool ctrl;
  bool alt;
  bool shift;
  int key;  // the toolkit's key code
  int id;
};

const std::vector<AccelEntry>& AcceleratorTable();
// The command of a key with its modifiers in table 128, or 0.
int FindAccelerator(int key, bool ctrl, bool alt, bool shift);

}  // namespace PardeloStravon
