#pragma once
// Makes toolkit windows of the items of a dialog template (or of a resource
// dialog written as the same items): every control at exactly its rectangle
// in dialog units, under its system id, in tab order.
#include <wx/font.h>
#include <wx/gdicmn.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "views/dialogs/InterfItem.h"

class wxWindow;

namespace PardeloStravon {

// The dialog item's font: its point size, and the face it names, except
// that "Arial" and "MS Shell Dlg" become Liberation Sans, which has their
// metrics here.
wxFont DialogFont(const InterfItem& dialog);

// The toolkit's frame of a dialog item's window style: caption, system menu
// and close box, resizing border, maximise box.
long DialogFrameStyle(std::uint32_t style);

// The item's rectangle in the window's pixels. The corners are converted, as
// the system maps a dialog rectangle, so controls that touch in dialog units
// touch in pixels instead of overlapping by a rounded pixel.
wxRect DialogRectToPixels(const wxWindow& window, const InterfItem& item);

// Builds the controls items[first], items[first + 1], ... on parent. The
// parent's font must be set first: it gives the dialog units. Throws
// std::invalid_argument for a class or kind of control it cannot make.
void BuildControls(wxWindow& parent, const std::vector<InterfItem>& items, std::size_t first = 1);

}  // namespace PardeloStravon
