#pragma once
// An edit that shows its text still has a character for hiding it, and
// GTK looks for one in the edit's fonts (a style lookup and a text layout)
// each time the edit's state or style changes. Disabling and styling the
// thousands of cells of a large dialog spent a tenth of its opening there.
class wxWindow;

namespace Platform {

// An edit that shows its text keeps the character it has now, so the
// toolkit stops looking for one; a password edit, and any control that is
// no one-line edit, is left to the toolkit.
void SettleInvisibleChar(wxWindow& control);

}  // namespace Platform
