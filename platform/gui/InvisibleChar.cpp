#include "platform/gui/InvisibleChar.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace Platform {

void SettleInvisibleChar(wxWindow& control) {
  GtkWidget* widget = control.GetHandle();
  if (widget == nullptr || !GTK_IS_ENTRY(widget)) return;
  GtkEntry* entry = GTK_ENTRY(widget);
  if (!gtk_entry_get_visibility(entry)) return;
  gtk_entry_set_invisible_char(entry, gtk_entry_get_invisible_char(entry));
}

}  // namespace Platform
