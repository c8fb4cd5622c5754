#pragma once
// What the toolkit's layout wants for a control: its frame, padding, box
// and whole text in the control's own font and style.
class wxWindow;

namespace Platform {

// The control's natural width in pixels; 0 when the toolkit gives none.
int NaturalWidth(wxWindow& control);

}  // namespace Platform
