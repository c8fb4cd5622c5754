#pragma once
// Makes toolkit windows of the items of a dialog template (or of a resource
// dialog written as the same items): every control at exactly its rectangle
// in dialog units, under its system id, in tab order.
#include <wx/font.h>
#include <wx/gdicmn.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "views/dialogs/InterfItem.h"

class wxTopLevelWindow;
class wxWindow;

namespace PardeloStravon {

// The dialog item's font: its point size, and the face it names, except
// that "Arial" and "MS Shell Dlg" become Liberation Sans, which has their
// metrics here.
wxFont DialogFont(const InterfItem& dialog);

// The client width a dialog needs so that the window manager shows its
// whole title beside its caption buttons; 0 for no title.
int TitleWidthNeeded(const wxTopLevelWindow& window);

// The toolkit's frame of a dialog item's window style: caption, system menu
// and close box, resizing border, maximise box.
long DialogFrameStyle(std::uint32_t style);

// The item's rectangle in the window's pixels, in the units of the font the
// window's controls use (DialogMetrics.h) and after the room given to their
// texts. The corners are converted, as the system maps a dialog rectangle,
// so controls that touch in dialog units touch in pixels instead of
// overlapping by a rounded pixel.
wxRect DialogRectToPixels(wxWindow& window, const InterfItem& item);
// The dialog item's size in the window's pixels, likewise.
wxSize DialogSizeToPixels(wxWindow& window, const InterfItem& dialog);

// Builds the controls items[first], items[first + 1], ... on parent and
// returns them in item order. The parent's font must be set first: it gives
// the dialog units. Throws std::invalid_argument for a class or kind of
// control it cannot make.
std::vector<wxWindow*> BuildControls(wxWindow& parent, const std::vector<InterfItem>& items, std::size_t first = 1);

// Gives every text of the controls (as they hold it now) the width it
// needs: a control too narrow for its text grows, the controls at or right
// of its right edge move right by as much (TextRoom.h). The controls that
// end at or above splitY (a row of their own) get room among themselves.
// Returns whether anything moved; the parent is then wider by
// DialogSizeToPixels.
bool GiveTextsRoom(wxWindow& parent, const std::vector<InterfItem>& items, const std::vector<wxWindow*>& controls,
                   std::size_t first = 1, int splitY = std::numeric_limits<int>::min());

}  // namespace PardeloStravon
