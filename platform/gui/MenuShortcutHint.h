#pragma once
// Shows a shortcut such as "Ctrl+N" at the right of a menu item without
// binding it: the keys stay with the program's own accelerator table, so a
// focused text field keeps its editing keys.
#include <string>

class wxMenuItem;

namespace Platform {

// Whether the hint was understood and shown; an empty hint shows none.
bool ShowShortcutHint(wxMenuItem& item, const std::wstring& hint);

// The hint the item shows, as "Ctrl+N", or empty.
std::wstring ShownShortcutHint(const wxMenuItem& item);

}  // namespace Platform
