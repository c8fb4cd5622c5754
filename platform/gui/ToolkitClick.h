#pragma once
// A click on a button or check box delivered through the toolkit itself, as
// a pointer click is, wherever the pointer and other windows are.
class wxWindow;

namespace Platform {

// False when the control is no kind of button.
bool ToolkitClick(wxWindow& control);

}  // namespace Platform
