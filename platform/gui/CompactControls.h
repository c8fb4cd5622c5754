#pragma once
// Controls placed at the system's dialog-unit sizes are smaller than the
// toolkit's theme allows (an edit 11 units high, a check box of 8, a button
// of 15). Marked controls get a style rule of ours that lowers the theme's
// minimum heights and paddings, so each fits the rectangle it is given.
class wxWindow;

namespace Platform {

// Marks the control (and, for a composite one, its parts); installs the rule
// once for the display on first use.
void MakeCompact(wxWindow& control);

// An edit without a frame, as the framework draws one made without a
// border, but through the rule installed for every display instead of a
// style sheet of its own: a sheet per edit was parsed for each of the
// thousands of edits of a large dialog.
void MakeFrameless(wxWindow& edit);

// A static text wraps its lines within its width, whatever text it is
// given later, and shows no more lines than its height holds, the last
// ending in an ellipsis when the text goes on; with centreVertically its
// lines sit in the middle of its height, else at the top.
void LayOutLabel(wxWindow& label, bool centreVertically);

// A check box made with its text on the left: the text takes the room, so
// the box stands at the far edge of the control, as the system draws it.
void PutBoxAtFarEdge(wxWindow& checkBox);

}  // namespace Platform
