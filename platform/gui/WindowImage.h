#pragma once
// The picture of a shown window as the toolkit draws it, made in memory: a
// window that lies over it on the screen does not come into it.
#include <wx/image.h>

class wxWindow;

namespace Platform {

// The window and its children at their current size; an invalid image when
// the window is not realized or has no size.
wxImage WindowImage(wxWindow& window);

}  // namespace Platform
