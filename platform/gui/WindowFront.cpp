#include "platform/gui/WindowFront.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

namespace Platform {

void BringToFront(wxTopLevelWindow& window) {
  if (!window.IsShown()) return;
  window.Raise();
  GtkWidget* widget = window.GetHandle();
  if (widget == nullptr || !GTK_IS_WINDOW(widget)) return;
  GdkWindow* gdk = gtk_widget_get_window(widget);
  guint32 time = GDK_CURRENT_TIME;
  if (gdk != nullptr && GDK_IS_X11_WINDOW(gdk)) time = gdk_x11_get_server_time(gdk);
  gtk_window_present_with_time(GTK_WINDOW(widget), time);
}

void FrontWhenShown(wxTopLevelWindow& window) {
  window.Bind(wxEVT_SHOW, [&window](wxShowEvent& event) {
    event.Skip();
    if (!event.IsShown()) return;
    wxWeakRef<wxTopLevelWindow> shown(&window);
    window.CallAfter([shown] {
      if (shown) BringToFront(*shown);
    });
  });
}

}  // namespace Platform
