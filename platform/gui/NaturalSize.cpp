#include "platform/gui/NaturalSize.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace Platform {

int NaturalWidth(wxWindow& control) {
  GtkWidget* widget = control.GetHandle();
  if (widget == nullptr) return 0;
  gint minimum = 0, natural = 0;
  gtk_widget_get_preferred_width(widget, &minimum, &natural);
  return natural;
}

}  // namespace Platform
