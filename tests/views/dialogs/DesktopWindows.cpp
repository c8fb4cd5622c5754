#include "tests/views/dialogs/DesktopWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <chrono>
#include <thread>
#include <vector>

#include "tests/support/GuiTest.h"

namespace TestSupport {
namespace {

long startedPid = 0;

Display* XDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

// The windows a property of the root window lists.
std::vector<unsigned long> RootWindows(const char* property) {
  Display* display = XDisplay();
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> windows;
  if (XGetWindowProperty(display, DefaultRootWindow(display), XInternAtom(display, property, False), 0, 4096, False,
                         XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
      data != nullptr && format == 32) {
    const auto* ids = reinterpret_cast<const unsigned long*>(data);
    windows.assign(ids, ids + count);
  }
  if (data != nullptr) XFree(data);
  return windows;
}

unsigned long XidOf(wxTopLevelWindow& window) {
  GtkWidget* widget = window.GetHandle();
  GdkWindow* gdk = widget != nullptr ? gtk_widget_get_window(widget) : nullptr;
  return gdk != nullptr && GDK_IS_X11_WINDOW(gdk) ? GDK_WINDOW_XID(gdk) : 0;
}

bool ManagerRuns() { return !RootWindows("_NET_SUPPORTING_WM_CHECK").empty(); }

}  // namespace

bool StartWindowManager() {
  if (ManagerRuns()) return true;
  startedPid = wxExecute("openbox --sm-disable", wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
  if (startedPid <= 0) return false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < end) {
    PumpEvents();
    if (ManagerRuns()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void StopWindowManager() {
  if (startedPid <= 0) return;
  wxKill(startedPid, wxSIGTERM);
  startedPid = 0;
  PumpEvents();
}

bool IsActiveWindow(wxTopLevelWindow& window) {
  const std::vector<unsigned long> active = RootWindows("_NET_ACTIVE_WINDOW");
  return !active.empty() && active.front() == XidOf(window);
}

bool StackedAbove(wxTopLevelWindow& a, wxTopLevelWindow& b) {
  // Bottom to top.
  const std::vector<unsigned long> stack = RootWindows("_NET_CLIENT_LIST_STACKING");
  int ia = -1, ib = -1;
  for (int i = 0; i < static_cast<int>(stack.size()); ++i) {
    if (stack[i] == XidOf(a)) ia = i;
    if (stack[i] == XidOf(b)) ib = i;
  }
  return ia >= 0 && ib >= 0 && ia > ib;
}

}  // namespace TestSupport
