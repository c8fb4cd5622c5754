#pragma once
// The display as a desktop shows it: a window manager (openbox) for the
// tests that need one, and what it says of the windows.
class wxTopLevelWindow;

namespace TestSupport {

// Starts openbox on the display unless a window manager runs there already,
// and waits until it manages windows; false when none could be had.
bool StartWindowManager();
// Ends the window manager this process started, if any.
void StopWindowManager();

// Whether the window manager has made the window the active one.
bool IsActiveWindow(wxTopLevelWindow& window);
// Whether the window manager stacks a above b (both must be mapped).
bool StackedAbove(wxTopLevelWindow& a, wxTopLevelWindow& b);

}  // namespace TestSupport
