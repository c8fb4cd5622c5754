#pragma once
// A dialog comes up in front of its parent with the keyboard. Under a window
// manager a window mapped without a fresh user time (one opened from a
// posted task, a timer or a form's button) may stay behind the active
// frame while its modal loop takes every key.
class wxTopLevelWindow;

namespace Platform {

// Raises the shown window and asks the window manager for the focus with
// the display's current time, the time of a user's action.
void BringToFront(wxTopLevelWindow& window);

// Calls BringToFront each time the window is shown, once the events of the
// showing (the dialog's initialisation) have run.
void FrontWhenShown(wxTopLevelWindow& window);

}  // namespace Platform
